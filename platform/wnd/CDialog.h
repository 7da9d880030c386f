// A dialog made from a dialog template (Resources.h). DoModal creates its window and controls,
// runs OnInitDialog (which loads the data through UpdateData), shows it and lets the user-
// interface host run the modal loop until EndDialog; the owner is disabled meanwhile and the
// window is destroyed at the end, while the object and its members stay. Create makes a
// modeless dialog, a child of its parent when the template has WS_CHILD.
#pragma once

#include "platform/wnd/CWnd.h"
#include "platform/wnd/Resources.h"

class CDialog : public CWnd {
public:
    DECLARE_DYNAMIC(CDialog)
    CDialog() = default;
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDHelp(nIDTemplate), m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd)
    {
    }

    // The pressed button's id (the value given to EndDialog), or -1 when the template is
    // missing or the window could not be made.
    virtual INT_PTR DoModal();
    // A modeless dialog, owned by (or, for a WS_CHILD template, inside) pParentWnd or else the main window.
    virtual BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    // Ends a modal dialog with that result; hides a modeless one.
    void EndDialog(int nResult);
    BOOL ContinueModal() override { return m_bModal && !m_bEnded && m_hWnd; }
    virtual BOOL OnInitDialog();

    void MapDialogRect(LPRECT lpRect) const;
    void GotoDlgCtrl(CWnd* pWndCtrl);
    // The default button: MAKELONG(id, DC_HASDEFID).
    DWORD GetDefID() const;
    void SetDefID(UINT nID);
    const DialogResource* GetTemplate() const { return m_pTemplate; }

    UINT m_nIDHelp = 0;

protected:
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    UINT m_nIDTemplate = 0;
    CWnd* m_pParentWnd = nullptr;

private:
    BOOL CreateFromTemplate(const DialogResource& dialog, CWnd* pParentOrOwner);

    const DialogResource* m_pTemplate = nullptr;
    INT_PTR m_nModalResult = -1;
    bool m_bModal = false;
    bool m_bEnded = false;
};

#define DC_HASDEFID 0x534B

// The innermost modal dialog that is running, or null.
CDialog* AfxGetRunningModal();
