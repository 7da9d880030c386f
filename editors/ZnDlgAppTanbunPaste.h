// The pasting of a short text into an edit control (7602), run modally from the main frame's menu. Its controls and its
// work come with the short-text dialogs.
#pragma once

#include "platform/wnd/CDialog.h"

class CEdit;

class ZnDlgAppTanbunPaste : public CDialog {
public:
    explicit ZnDlgAppTanbunPaste(CWnd* pParent = nullptr);
    // The edit control that receives the short text.
    CEdit* m_pTarget = nullptr;
};
