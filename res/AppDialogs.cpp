// The application's own dialogs: the about box, the new-property dialog and the migration dialog.
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

constexpr DWORD kModal = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogResource dialogs[] = {
    {IDD_ABOUTBOX, u8"情報", kFont, 9, kModal, 0, 0, 0, 235, 80, aboutBox, std::size(aboutBox)},
    // The new-property and migration dialogs have no controls yet.
    {IDD_BUKKEN_INPUT, u8"■ 物件情報入力", kFont, 9, kModal, 0, 0, 0, 300, 200, nullptr, 0},
    {IDD_SELECT_OBJ, u8"Miravel (2010年09月03日リリース)", kFont, 9, kModal, 0, 0, 0, 400, 300, nullptr, 0},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
