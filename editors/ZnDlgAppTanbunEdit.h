// The editing of the short texts (7603), run modally from the main frame's menu. Its controls and its work
// come with the short-text dialogs.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppTanbunEdit : public CDialog {
public:
    explicit ZnDlgAppTanbunEdit(CWnd* pParent = nullptr);
};
