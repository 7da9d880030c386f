// The application's own dialogs: the about box, the new-property dialog, the migration dialog and
// the two confirmations of a property folder on a drive root.
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
    // The new-property dialog has no controls yet.
    {IDD_BUKKEN_INPUT, u8"■ 物件情報入力", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
    {IDD_SELECT_OBJ, u8"Miravel (2010年09月03日リリース)", kFont, 9, kModalNoMenu, 0, 0, 0, 363, 309, selectObj,
     std::size(selectObj)},
    {IDD_ROOT_DIR_CONFIRM, u8"", kFont, 9, kSystemModal, 0, 0, 0, 177, 61, rootDirConfirm, std::size(rootDirConfirm)},
    {IDD_DOC_DIR_CONFIRM, u8"", kFont, 9, kSystemModal, 0, 0, 0, 179, 47, docDirConfirm, std::size(docDirConfirm)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
