// The confirmation that a short text was registered (7601), run modally from the main frame's menu. Its controls and
// its work come with the short-text dialogs.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppTanbunRegist : public CDialog {
public:
    explicit ZnDlgAppTanbunRegist(CWnd* pParent = nullptr);
};
