// The pasting of a short text into an edit control (7602), run modally from the main frame's menu:
// 貼付 puts the chosen phrase in place of the target edit's selection and ends the dialog.
#pragma once

#include "platform/wnd/CDialog.h"
#include "platform/wnd/CListCtrl.h"

class CEdit;

class ZnDlgAppTanbunPaste : public CDialog {
public:
    explicit ZnDlgAppTanbunPaste(CWnd* pParent = nullptr);

    // The edit control that receives the short text; without one 貼付 changes nothing.
    CEdit* m_pTarget = nullptr;
    // The phrases (control 16000).
    CListCtrl m_list;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnPaste();
    DECLARE_MESSAGE_MAP()
};
