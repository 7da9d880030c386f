#include "tests/wnd/TestResources.h"

#include "platform/wnd/Resources.h"

#include <iterator>

namespace {
const char* const kinds[] = {u8"甲", u8"乙", u8"丙", nullptr};

const ControlResource entryControls[] = {
    {IDC_STATIC, ControlKind::Static, u8"名前", SS_LEFT, 0, 10, 10, 30, 12},
    {IDC_NAME, ControlKind::Edit, nullptr, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | WS_VISIBLE, 0, 45, 10, 100, 12},
    {IDC_COUNT, ControlKind::Edit, nullptr, WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 45, 26, 40, 12},
    {IDC_KIND, ControlKind::ComboBox, nullptr, CBS_DROPDOWNLIST | WS_TABSTOP | WS_VISIBLE, 0, 45, 42, 100, 60, kinds},
    {IDC_LIST, ControlKind::ListView, nullptr, LVS_REPORT | LVS_SINGLESEL | WS_BORDER | WS_TABSTOP | WS_VISIBLE, 0, 10,
     60, 180, 50},
    {IDC_ONE, ControlKind::Button, u8"一枚", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0, 10, 115, 40,
     10},
    {IDC_MANY, ControlKind::Button, u8"複数枚", BS_AUTORADIOBUTTON | WS_VISIBLE, 0, 55, 115, 40, 10},
    {IDC_ADD, ControlKind::Button, u8"追加", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP | WS_VISIBLE, 0, 150, 10, 40, 14},
    {IDOK, ControlKind::Button, u8"OK", BS_DEFPUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 100, 130, 40, 14},
    {IDCANCEL, ControlKind::Button, u8"ｷｬﾝｾﾙ", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 150, 130, 40, 14},
};

const ControlResource pageControls[] = {
    {IDC_PAGE_BUTTON, ControlKind::Button, u8"参照", BS_PUSHBUTTON | WS_TABSTOP | WS_VISIBLE, 0, 5, 5, 50, 14},
};

const ControlResource panelControls[] = {
    {IDC_PANEL_OWN, ControlKind::Button, u8"自分", BS_PUSHBUTTON | WS_VISIBLE, 0, 5, 5, 55, 15},
    {IDC_PANEL_NONE, ControlKind::Button, u8"なし", BS_PUSHBUTTON | WS_VISIBLE, 0, 5, 25, 55, 15},
    {IDC_PANEL_FRAME, ControlKind::Button, u8"枠", BS_PUSHBUTTON | WS_VISIBLE, 0, 5, 45, 55, 15},
    {IDC_PANEL_RADIO, ControlKind::Button, u8"選択", BS_AUTORADIOBUTTON | BS_PUSHLIKE | WS_VISIBLE, 0, 5, 65, 55, 15},
    {IDC_STATIC, ControlKind::Static, u8"見出し", SS_CENTER | WS_VISIBLE, 0, 5, 85, 55, 10},
};

const DialogResource dialogs[] = {
    {IDD_ENTRY, u8"テスト入力", u8"ＭＳ Ｐゴシック", 9, DS_MODALFRAME | WS_POPUP | WS_CAPTION, 0, 0, 0, 200, 150,
     entryControls, std::size(entryControls)},
    {IDD_PAGE, nullptr, u8"ＭＳ Ｐゴシック", 9, WS_CHILD, 0, 0, 0, 100, 40, pageControls, std::size(pageControls)},
    {IDD_PANEL, nullptr, u8"ＭＳ Ｐゴシック", 9, WS_CHILD, 0, 0, 0, 65, 100, panelControls, std::size(panelControls)},
};

const AfxResourceSet registration(dialogs, std::size(dialogs), nullptr, 0, nullptr, 0);
} // namespace
