// The top bar (panel 118), created with the main frame: the screen buttons and the current
// property's name and creation date. It has no update handlers of its own, so its buttons
// follow the main frame's rules.
#pragma once

#include "shell/CDialogBarBk.h"

class CMainMenuBar : public CDialogBarBk {
public:
    // Back to no screen: unless a save runs, the open form view closes; unless data changed or a
    // save runs, the property-data screen ends and the panel goes (SwitchMenu 1019).
    void MenuAction();

protected:
    // 1007, 1010, 1013, 1015 and 1017 go to the frame's SwitchMenu.
    afx_msg BOOL OnScreenButton(UINT nID);
    afx_msg void OnMenuDisplay();
    DECLARE_MESSAGE_MAP()
};
