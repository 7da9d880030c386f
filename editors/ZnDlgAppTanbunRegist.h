// The notice that a short text was registered (7601), run modally by the main frame after it
// stored the focused field's text.
#pragma once

#include "platform/wnd/CDialog.h"

class ZnDlgAppTanbunRegist : public CDialog {
public:
    explicit ZnDlgAppTanbunRegist(CWnd* pParent = nullptr);
};
