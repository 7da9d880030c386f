// The application's own dialogs: the about box, the new-property dialog, the property detail and
// copy dialogs, the migration dialog and the two confirmations of a property folder on a drive root.
#include "platform/wnd/Resources.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";

const ControlResource aboutBox[] = {
    {IDC_STATIC, ControlKind::Static, u8"Orvane for Windows", SS_LEFT | WS_VISIBLE, 0, 40, 10, 150, 10},
    {IDC_STATIC, ControlKind::Static, u8"System   ：", SS_LEFT | WS_VISIBLE, 0, 40, 25, 50, 10},
    {IDC_STATIC, ControlKind::Static, u8"Version   ：", SS_LEFT | WS_VISIBLE, 0, 40, 40, 50, 10},
    {IDC_STATIC, ControlKind::Static, u8"6.100.0 ( Build - App20091010)", SS_LEFT | WS_VISIBLE, 0, 90, 40, 130, 10},
    {IDOK, ControlKind::Button, u8"OK", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0, 178, 60, 50, 14},
};

constexpr DWORD kFolderEdit = ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;

const ControlResource selectObj[] = {
    {IDC_SO_BTN_BUKKEN, ControlKind::Button, u8"物件データ", kButton, 0, 11, 14, 50, 15},
    {IDC_SO_EDIT_BUKKEN, ControlKind::Edit, nullptr, kFolderEdit, 0, 66, 14, 290, 15},
    {IDC_SO_BTN_COM, ControlKind::Button, u8"共通データ", kButton, 0, 11, 34, 50, 15},
    {IDC_SO_EDIT_COM, ControlKind::Edit, nullptr, kFolderEdit, 0, 66, 34, 290, 15},
    {IDC_SO_BTN_DST, ControlKind::Button, u8"保存先", kButton, 0, 11, 54, 50, 15},
    {IDC_SO_EDIT_DST, ControlKind::Edit, nullptr, kFolderEdit, 0, 66, 54, 290, 15},
    {IDC_STATIC, ControlKind::Static, u8"物件一覧", SS_LEFT | SS_CENTERIMAGE | WS_VISIBLE, 0, 13, 77, 37, 15},
    {IDC_SO_BTN_IKOU, ControlKind::Button, u8"移行データ作成", kButton, 0, 287, 73, 69, 18},
    {IDC_SO_LIST, ControlKind::ListView, nullptr,
     LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOLABELWRAP | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 10, 94,
     346, 186},
    // Empty but while an export runs: which export it is and how far it has come.
    {IDC_SO_PROGRESS, ControlKind::Static, nullptr, SS_LEFT | SS_CENTERIMAGE | WS_VISIBLE, 0, 10, 285, 235, 15},
    // Not used: created hidden and disabled.
    {IDOK, ControlKind::Button, u8"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_DISABLED, 0, 250, 285, 50, 15},
    {IDCANCEL, ControlKind::Button, u8"閉じる", kButton, 0, 305, 285, 50, 15},
};

constexpr DWORD kDropDownList = CBS_DROPDOWNLIST | CBS_SORT | WS_VSCROLL | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kLabel = SS_LEFT | WS_VISIBLE;
constexpr DWORD kNameEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kDefaultButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;

const char* const documentKinds[] = {u8"確認申請書", u8"計画通知書", nullptr};

const ControlResource bukkenInput[] = {
    {IDC_STATIC, ControlKind::Static, u8"地 域 指 定 ：", kLabel, 0, 10, 10, 44, 10},
    {IDC_BI_COMBO_CHIIKI, ControlKind::ComboBox, nullptr, kDropDownList, 0, 55, 10, 110, 145},
    {IDC_STATIC, ControlKind::Static, u8"書 類 種 別 ：", kLabel, 0, 10, 30, 44, 10},
    {IDC_BI_COMBO_SHUBETSU, ControlKind::ComboBox, nullptr, kDropDownList | WS_DISABLED, 0, 55, 30, 110, 65,
     documentKinds},
    {IDC_BI_BTN_BUKKEN, ControlKind::Button, u8"物件データ", kButton, 0, 10, 60, 50, 15},
    {IDC_BI_EDIT_BUKKEN, ControlKind::Edit, nullptr, kFolderEdit, 0, 65, 60, 290, 15},
    {IDC_BI_BTN_COM, ControlKind::Button, u8"共通データ", kButton, 0, 10, 80, 50, 15},
    {IDC_BI_EDIT_COM, ControlKind::Edit, nullptr, kFolderEdit, 0, 65, 80, 290, 15},
    {IDC_STATIC, ControlKind::Static, u8"物 件 名 ：", kLabel, 0, 10, 110, 34, 10},
    {IDC_BI_EDIT_NAME, ControlKind::Edit, nullptr, kNameEdit, 0, 45, 110, 310, 15},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 250, 135, 50, 15},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 305, 135, 50, 15},
};

const ControlResource bukkenDetail[] = {
    {IDC_STATIC, ControlKind::Static, u8"物件名 ：", kLabel, 0, 10, 10, 30, 15},
    {IDC_BD_EDIT_NAME, ControlKind::Edit, nullptr, kFolderEdit, 0, 45, 10, 215, 15},
    {IDC_STATIC, ControlKind::Static, u8"作成日 ：", kLabel, 0, 10, 30, 30, 15},
    {IDC_BD_EDIT_DATE, ControlKind::Edit, nullptr, kFolderEdit, 0, 45, 30, 75, 15},
    {IDC_STATIC, ControlKind::Static, u8"申請書一覧", kLabel, 0, 10, 62, 40, 10},
    {IDC_BD_BTN_DELETE, ControlKind::Button, u8"削除", kButton, 0, 54, 60, 50, 15},
    {IDC_BD_LIST, ControlKind::ListView, nullptr, LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP | WS_VISIBLE,
     0, 10, 80, 380, 190},
    {IDCANCEL, ControlKind::Button, u8"閉じる", kButton, 0, 340, 275, 50, 15},
};

// The property copy has a template only: nothing opens it.
const ControlResource bukkenCopy[] = {
    {IDC_BC_BTN_TARGET, ControlKind::Button, u8"複写先", kButton, 0, 10, 10, 50, 15},
    {IDC_BC_EDIT_TARGET, ControlKind::Edit, nullptr, kFolderEdit, 0, 65, 10, 290, 15},
    {IDC_STATIC, ControlKind::Static, u8"物 件 名 ：", kLabel, 0, 10, 50, 34, 10},
    {IDC_BC_EDIT_NAME, ControlKind::Edit, nullptr, kNameEdit, 0, 45, 50, 310, 15},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 250, 75, 50, 15},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 305, 75, 50, 15},
};

const ControlResource rootDirConfirm[] = {
    {IDC_STATIC, ControlKind::Static, u8"ルートディレクトリに物件は作成できません。", SS_LEFT | WS_VISIBLE, 0, 7, 6,
     144, 8},
    {IDC_STATIC, ControlKind::Static, u8"App_Doc1ディレクトリを作成します。よろしいですか？", SS_LEFT | WS_VISIBLE, 0,
     7, 20, 169, 8},
    {IDOK, ControlKind::Button, u8"ＯＫ", kButton, 0, 32, 39, 48, 15},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 86, 39, 48, 15},
};

const ControlResource docDirConfirm[] = {
    {IDC_STATIC, ControlKind::Static, u8"App_Doc1ディレクトリに作成します。よろしいですか？", SS_LEFT | WS_VISIBLE, 0,
     7, 6, 170, 8},
    {IDOK, ControlKind::Button, u8"ＯＫ", kButton, 0, 32, 25, 48, 15},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 86, 25, 48, 15},
};

constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
// No system menu, so no close box.
constexpr DWORD kModalNoMenu = DS_MODALFRAME | WS_POPUP | WS_CAPTION;
constexpr DWORD kSystemModal = DS_MODALFRAME | DS_SYSMODAL | WS_POPUP | WS_CAPTION;

const DialogResource dialogs[] = {
    {IDD_ABOUTBOX, u8"情報", kFont, 9, kModal, 0, 0, 0, 235, 80, aboutBox, std::size(aboutBox)},
    {IDD_BUKKEN_COPY, u8"■ 物件複写", kFont, 9, kModalNoMenu, 0, 0, 0, 363, 97, bukkenCopy, std::size(bukkenCopy)},
    {IDD_BUKKEN_DETAIL, u8"■ 物件の詳細", kFont, 9, kModalNoMenu, 0, 0, 0, 399, 299, bukkenDetail,
     std::size(bukkenDetail)},
    {IDD_BUKKEN_INPUT, u8"■ 物件情報入力", kFont, 9, kModalNoMenu, 0, 0, 0, 363, 159, bukkenInput,
     std::size(bukkenInput)},
    {IDD_SELECT_OBJ, u8"Miravel (2010年09月03日リリース)", kFont, 9, kModalNoMenu, 0, 0, 0, 363, 309, selectObj,
     std::size(selectObj)},
    {IDD_ROOT_DIR_CONFIRM, u8"", kFont, 9, kSystemModal, 0, 0, 0, 177, 61, rootDirConfirm, std::size(rootDirConfirm)},
    {IDD_DOC_DIR_CONFIRM, u8"", kFont, 9, kSystemModal, 0, 0, 0, 179, 47, docDirConfirm, std::size(docDirConfirm)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
