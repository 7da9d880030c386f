// The number-entry screens: the application list that its form view hosts, the contents of an
// accepted floppy and the number input, which the floppy panel opens.
#include "platform/wnd/Resources.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"
#include "res/NumberEntryIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";
constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION;
constexpr DWORD kLabel = SS_LEFT | WS_VISIBLE;
constexpr DWORD kReadOnlyEdit = ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kDefaultButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kList =
    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOLABELWRAP | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kEraList = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;

const ControlResource shinseishoList[] = {
    {IDC_STATIC, ControlKind::Static, u8"申請書一覧", kLabel, 0, 10, 10, 45, 15},
    {IDC_STATIC, ControlKind::Static, u8"ドライブ名：", kLabel, 0, 140, 10, 35, 15},
    {IDC_SL_EDIT_DRIVE, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 177, 10, 128, 12},
    {IDC_SL_BTN_BROWSE, ControlKind::Button, u8"参照", kButton, 0, 305, 10, 20, 15},
    // Never shown, and nothing fills it.
    {IDC_SL_COMBO_DRIVE, ControlKind::ComboBox, nullptr, CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP, 0, 280,
     10, 35, 50},
    {IDC_SL_LIST_DOCS, ControlKind::ListView, nullptr, kList, 0, 10, 30, 305, 110},
    {IDC_SL_BTN_DETAIL, ControlKind::Button, u8"詳細", kButton, 0, 10, 150, 40, 15},
    {IDC_SL_LIST_NUMBERS, ControlKind::ListView, nullptr, kList, 0, 10, 170, 305, 115},
};

const ControlResource uketukeConfirm[] = {
    {IDC_STATIC, ControlKind::Static, u8"物件名", kLabel, 0, 10, 10, 40, 15},
    {IDC_UK_EDIT_NAME, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 55, 10, 285, 15},
    {IDC_STATIC, ControlKind::Static, u8"申請書類", kLabel, 0, 10, 30, 40, 15},
    {IDC_UK_EDIT_TITLE, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 55, 30, 230, 15},
    {IDC_UK_LIST, ControlKind::ListView, nullptr, LVS_REPORT | LVS_NOSORTHEADER | WS_BORDER | WS_TABSTOP | WS_VISIBLE,
     0, 10, 55, 330, 125},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 235, 190, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 290, 190, 50, 14},
};

const char* const eras[] = {u8"昭和", u8"平成", nullptr};

const ControlResource bangouInput[] = {
    {IDC_STATIC, ControlKind::Static, u8"申請書類", kLabel, 0, 10, 10, 38, 15},
    {IDC_BG_TITLE, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 50, 10, 235, 15},
    {IDC_STATIC, ControlKind::Static, u8"受付番号", kLabel, 0, 10, 30, 38, 15},
    {IDC_BG_RECV_NUMBER, ControlKind::Edit, nullptr, kEdit, 0, 50, 30, 127, 15},
    {IDC_STATIC, ControlKind::Static, u8"受付年月日", kLabel, 0, 10, 50, 38, 12},
    {IDC_BG_RECV_ERA, ControlKind::ComboBox, nullptr, kEraList, 0, 50, 50, 40, 40, eras},
    {IDC_BG_RECV_YEAR, ControlKind::Edit, nullptr, kEdit, 0, 95, 50, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 117, 52, 10, 10},
    {IDC_BG_RECV_MONTH, ControlKind::Edit, nullptr, kEdit, 0, 130, 50, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 152, 52, 10, 10},
    {IDC_BG_RECV_DAY, ControlKind::Edit, nullptr, kEdit, 0, 165, 50, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 187, 52, 10, 10},
    {IDC_STATIC, ControlKind::Static, u8"確認・中間検査・完了検査・仮使用承認", kLabel, 0, 10, 80, 131, 10},
    {IDC_STATIC, ControlKind::Static, u8"番号", kLabel, 0, 10, 97, 25, 12},
    {IDC_STATIC, ControlKind::Static, u8"第", kLabel, 0, 38, 97, 10, 12},
    {IDC_BG_NUMBER, ControlKind::Edit, nullptr, kEdit, 0, 50, 95, 127, 15},
    {IDC_STATIC, ControlKind::Static, u8"号", kLabel, 0, 180, 97, 10, 12},
    {IDC_STATIC, ControlKind::Static, u8"交付年月日", kLabel, 0, 10, 120, 38, 12},
    {IDC_BG_ISSUE_ERA, ControlKind::ComboBox, nullptr, kEraList, 0, 50, 120, 40, 35, eras},
    {IDC_BG_ISSUE_YEAR, ControlKind::Edit, nullptr, kEdit, 0, 95, 120, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 117, 122, 10, 10},
    {IDC_BG_ISSUE_MONTH, ControlKind::Edit, nullptr, kEdit, 0, 130, 120, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 152, 122, 10, 10},
    {IDC_BG_ISSUE_DAY, ControlKind::Edit, nullptr, kEdit, 0, 165, 120, 20, 12},
    {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 187, 122, 10, 10},
    {IDC_STATIC, ControlKind::Static, u8"交付者", kLabel, 0, 10, 142, 38, 12},
    {IDC_BG_ISSUER, ControlKind::Edit, nullptr, kEdit, 0, 50, 140, 235, 15},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 180, 165, 50, 15},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 235, 165, 50, 15},
};

const DialogResource dialogs[] = {
    {IDD_SHINSEISHO_LIST, nullptr, kFont, 9, WS_CHILD, 0, 0, 0, 327, 296, shinseishoList, std::size(shinseishoList)},
    {IDD_UKETUKE_CONFIRM, u8"■内容の確認", kFont, 9, kModal, 0, 0, 0, 350, 209, uketukeConfirm,
     std::size(uketukeConfirm)},
    {IDD_BANGOU_INPUT, u8"■番号の入力", kFont, 9, kModal, 0, 0, 0, 294, 189, bangouInput, std::size(bangouInput)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
