// The resources of the window-layer tests: a data-entry dialog, a child page and a panel.
#pragma once

enum TestResourceId : unsigned {
    IDD_ENTRY = 9001, // caption "テスト入力": edits, a combo box, a report list, radios, buttons
    IDD_PAGE = 9002,  // a child page with one button
    IDD_PANEL = 9003  // a panel of buttons
};

enum TestControlId : int {
    IDC_NAME = 1001,
    IDC_COUNT = 1002,
    IDC_KIND = 1003,
    IDC_LIST = 1004,
    IDC_ONE = 1005,
    IDC_MANY = 1006,
    IDC_ADD = 1007,
    IDC_PAGE_BUTTON = 1101,
    IDC_PANEL_OWN = 2001,   // handled by the panel, which enables it
    IDC_PANEL_NONE = 2002,  // handled nowhere
    IDC_PANEL_FRAME = 2003, // the frame's update handler decides
    IDC_PANEL_RADIO = 2004  // an automatic radio button handled nowhere
};
