// The dialogs that read an application floppy into a new property: the floppy's contents (7608)
// and the destination with the property name (7609).
#include "platform/wnd/Resources.h"
#include "res/FloppyImportIds.h"
#include "res/MainFrameIds.h"

#include <iterator>

namespace {
const char kFont[] = u8"ＭＳ Ｐゴシック";
constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kLabel = SS_LEFT | WS_VISIBLE;
constexpr DWORD kReadOnlyEdit = ES_READONLY | ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kButton = BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE;
constexpr DWORD kDefaultButton = BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE;

const ControlResource fdImport[] = {
    {IDC_STATIC, ControlKind::Static, u8"ドライブ名：", kLabel, 0, 10, 5, 35, 15},
    {IDC_FI_EDIT_DRIVE, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 50, 5, 128, 15},
    {IDC_FI_BTN_BROWSE, ControlKind::Button, u8"参照", kButton, 0, 178, 5, 20, 15},
    {IDC_FI_BTN_READ, ControlKind::Button, u8"読込", kButton, 0, 215, 5, 35, 15},
    {IDC_STATIC, ControlKind::Static, u8"作成日：", kLabel, 0, 10, 30, 35, 15},
    {IDC_FI_EDIT_DATE, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 50, 30, 75, 15},
    {IDC_STATIC, ControlKind::Static, u8"物件名：", kLabel, 0, 10, 55, 40, 15},
    {IDC_FI_EDIT_NAME, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 50, 55, 255, 15},
    {IDC_STATIC, ControlKind::Static, u8"書式種類：", kLabel, 0, 10, 80, 35, 15},
    {IDC_FI_EDIT_KIND, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 50, 80, 255, 15},
    {IDOK, ControlKind::Button, u8"保存", kDefaultButton, 0, 200, 105, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 255, 105, 50, 14},
};

const ControlResource fdImportSave[] = {
    {IDC_FS_BTN_FOLDER, ControlKind::Button, u8"保存先", kButton, 0, 10, 10, 40, 15},
    {IDC_FS_EDIT_FOLDER, ControlKind::Edit, nullptr, kReadOnlyEdit, 0, 55, 10, 280, 15},
    {IDC_STATIC, ControlKind::Static, u8"物件名：", kLabel, 0, 10, 40, 40, 15},
    {IDC_FS_EDIT_NAME, ControlKind::Edit, nullptr, kEdit, 0, 55, 40, 280, 15},
    {IDOK, ControlKind::Button, u8"OK", kDefaultButton, 0, 230, 65, 50, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", kButton, 0, 285, 65, 50, 14},
};

const DialogResource dialogs[] = {
    {IDD_FD_IMPORT, u8"■ＦＤ内容", kFont, 9, kModal, 0, 0, 0, 314, 129, fdImport, std::size(fdImport)},
    {IDD_FD_IMPORT_SAVE, u8"■保存先指定", kFont, 9, kModal, 0, 0, 0, 343, 89, fdImportSave, std::size(fdImportSave)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
