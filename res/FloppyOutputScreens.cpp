// The floppy-output screens: the pages that the floppy-output form views host (their controls come
// with the pages themselves), the dialogs that the pages share (confirm, check result, progress
// notes, output options) and the dialog of the recorded contents.
#include "platform/wnd/Resources.h"
#include "res/FloppyOutputIds.h"
#include "res/FloppyOutputStyles.h"
#include "res/FormViewIds.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
using namespace fdstyle;

constexpr DWORD kDefaultButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
// The first radio button of a group, and the others; the control after the last one starts a group.
constexpr DWORD kFirstRadio = BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON | WS_VISIBLE;
constexpr DWORD kShownEdit = ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_VISIBLE;
constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const char kOutputText[] = u8"指定されたドライブに申請データの内容を出力します。";

// The building confirmation page (6607): the output row, the faces with the application date and
// the reception number, the construction notice, the two attachment bitmaps and the document list.
constexpr auto building =
    Join(Join(HeadRows(IDC_FD11_FACE2, nullptr, 327),
              std::array<ControlResource, 5>{{
                  {IDC_FD11_FACE3, ControlKind::Static, u8"建築物と敷地（第三面）", kLabel, 0, 5, 64, 106, 10},
                  {IDC_FD11_FACE4, ControlKind::Static, u8"建築物別概要（第四面）", kLabel, 0, 5, 78, 106, 10},
                  {IDC_STATIC, ControlKind::Static, u8"階別概要（第五面）", kLabel, 0, 5, 92, 106, 10},
                  {IDC_FD11_LABEL_NOTICE, ControlKind::Static, u8"建築工事届", kLabel, 0, 5, 108, 106, 10},
                  {IDC_FD11_EDIT_NOTICE, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 193, 106, 139, 12},
              }}),
         AttachmentRowsAndList(124));

const ControlResource confirm[] = {
    {IDC_STATIC, ControlKind::Static, kOutputText, kLabel, 0, 10, 10, 180, 10},
    {IDC_RADIO_CHECK, ControlKind::Button, u8"チェックする", kFirstRadio, 0, 20, 28, 70, 10},
    {IDC_RADIO_NO_CHECK, ControlKind::Button, u8"未チェックで出力", kRadio, 0, 100, 28, 80, 10},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton | WS_GROUP, 0, 80, 50, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 140, 50, 50, 14},
};

const ControlResource checkResult[] = {
    {IDC_STATIC, ControlKind::Static, u8"エラー項目", kLabel, 0, 7, 7, 60, 10},
    {IDC_CHECK_LIST, ControlKind::ListBox, nullptr,
     LBS_NOSEL | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 7, 20, 336, 150},
    // Never shown: it holds the object-kind part of the printed title.
    {IDC_PRINT_TITLE, ControlKind::Static, u8"印刷タイトル用", SS_LEFT, 0, 7, 178, 60, 10},
    {IDC_BTN_PRINT, ControlKind::Button, u8"印刷", kButton, 0, 133, 177, 60, 15},
    {IDOK, ControlKind::Button, u8"ＦＤ出力", kDefaultButton, 0, 203, 177, 60, 15},
    {IDCANCEL, ControlKind::Button, u8"出力しない", kButton, 0, 273, 177, 70, 15},
};

const ControlResource progress[] = {
    {IDC_STATIC, ControlKind::Static, u8"処理中．．．", SS_CENTER | WS_VISIBLE, 0, 0, 5, 83, 9},
};

const ControlResource checkProgress[] = {
    {IDC_STATIC, ControlKind::Static, u8"データチェック中", SS_CENTER | WS_VISIBLE, 0, 0, 5, 83, 9},
};

const ControlResource contents[] = {
    {IDC_STATIC, ControlKind::Static, u8"ドライブ名 ：", kLabel, 0, 10, 12, 48, 10},
    {IDC_FDC_EDIT_DRIVE, ControlKind::Edit, nullptr, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 60, 10,
     135, 14},
    {IDC_FDC_BTN_BROWSE, ControlKind::Button, u8"参照", kButton, 0, 200, 10, 45, 14},
    {IDC_STATIC, ControlKind::Static, u8"物件名　　 ：", kLabel, 0, 10, 37, 48, 10},
    {IDC_FDC_EDIT_BUKKEN, ControlKind::Edit, nullptr, kShownEdit, 0, 60, 35, 185, 14},
    {IDC_STATIC, ControlKind::Static, u8"作成日　　 ：", kLabel, 0, 10, 59, 48, 10},
    {IDC_FDC_EDIT_YEAR, ControlKind::Edit, nullptr, kShownEdit, 0, 60, 57, 30, 14},
    {IDC_STATIC, ControlKind::Static, u8"年", kLabel, 0, 93, 59, 10, 10},
    {IDC_FDC_EDIT_MONTH, ControlKind::Edit, nullptr, kShownEdit, 0, 105, 57, 20, 14},
    {IDC_STATIC, ControlKind::Static, u8"月", kLabel, 0, 128, 59, 10, 10},
    {IDC_FDC_EDIT_DAY, ControlKind::Edit, nullptr, kShownEdit, 0, 140, 57, 20, 14},
    {IDC_STATIC, ControlKind::Static, u8"日", kLabel, 0, 163, 59, 10, 10},
    {IDC_STATIC, ControlKind::Static, u8"書式種類  ：", kLabel, 0, 10, 81, 48, 10},
    {IDC_FDC_EDIT_SHOSHIKI, ControlKind::Edit, nullptr, kShownEdit, 0, 60, 79, 185, 14},
    // Never shown.
    {IDC_FDC_COMBO, ControlKind::ComboBox, nullptr, CBS_DROPDOWNLIST | WS_VSCROLL, 0, 60, 100, 100, 60},
    {IDC_FDC_BTN_READ, ControlKind::Button, u8"読込", kDefaultButton, 0, 140, 108, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"閉じる", kButton, 0, 195, 108, 50, 14},
};

const ControlResource option[] = {
    {IDC_STATIC, ControlKind::Static, kOutputText, kLabel, 0, 10, 8, 200, 10},
    {IDC_STATIC, ControlKind::Button, u8"データチェック", BS_GROUPBOX | WS_VISIBLE, 0, 10, 22, 115, 42},
    {IDC_RADIO_CHECK, ControlKind::Button, u8"チェックする", kFirstRadio, 0, 20, 34, 90, 10},
    {IDC_RADIO_NO_CHECK, ControlKind::Button, u8"未チェックで出力", kRadio, 0, 20, 48, 90, 10},
    {IDC_STATIC, ControlKind::Button, u8"FD枚数", BS_GROUPBOX | WS_GROUP | WS_VISIBLE, 0, 135, 22, 115, 42},
    {IDC_RADIO_ONE_FD, ControlKind::Button, u8"一枚", kFirstRadio, 0, 145, 34, 40, 10},
    {IDC_RADIO_MULTI_FD, ControlKind::Button, u8"複数枚", kRadio, 0, 145, 48, 40, 10},
    {IDC_STATIC, ControlKind::Static, u8"（複数データ申請の場合）", kLabel | WS_GROUP, 0, 150, 66, 100, 10},
    {IDC_STATIC, ControlKind::Static, u8"複数申請データ一覧", kLabel, 0, 10, 78, 80, 10},
    {IDC_NUMBER_LIST, ControlKind::ListView, nullptr,
     LVS_REPORT | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 10, 90, 120, 80},
    {IDC_BTN_SELECT_ALL, ControlKind::Button, u8"全選択", kButton, 0, 140, 90, 55, 14},
    {IDC_BTN_SELECT_NONE, ControlKind::Button, u8"選択の解除", kButton, 0, 140, 108, 55, 14},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 140, 156, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 200, 156, 50, 14},
};

// The progress notes: popups without caption, shown and centred at once.
constexpr DWORD kNote = DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_VISIBLE;

const DialogResource dialogs[] = {
    {IDD_FDOUT11, nullptr, kFont, 9, kPage, 0, 0, 0, 342, 296, building.data(), building.size()},
    {IDD_FDOUT_CONFIRM, u8"■ FD出力", kFont, 9, kModal, 0, 0, 0, 200, 72, confirm, std::size(confirm)},
    {IDD_CHECK_RESULT, u8"■申請データチェック結果", kFont, 9, kModal, 0, 0, 0, 350, 199, checkResult,
     std::size(checkResult)},
    {IDD_FDOUT_PROGRESS, nullptr, kFont, 9, kNote, 0, 0, 0, 83, 19, progress, std::size(progress)},
    {IDD_CHECK_PROGRESS, nullptr, kFont, 9, kNote, 0, 0, 0, 83, 19, checkProgress, std::size(checkProgress)},
    {IDD_FD_CONTENTS, u8"■ FD内容", kFont, 9, kModal, 0, 0, 0, 255, 130, contents, std::size(contents)},
    {IDD_FDOUT_OPTION, u8"■ＦＤ出力オプション", kFont, 9, kModal, 0, 0, 0, 260, 178, option, std::size(option)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
