// A view made from a dialog template: its controls are built as a dialog's are, and its first
// update loads the data (UpdateData(FALSE)).
#pragma once

#include "platform/wnd/CView.h"
#include "platform/wnd/Resources.h"

class CFormView : public CView {
public:
    DECLARE_DYNAMIC(CFormView)

    // A missing template fails the creation, and the view deletes itself as any view does.
    BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                UINT nID, CCreateContext* pContext = nullptr) override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* pDC) override {}
    const DialogResource* GetTemplate() const { return m_pTemplate; }

protected:
    explicit CFormView(UINT nIDTemplate) : m_nIDTemplate(nIDTemplate) {}

    UINT m_nIDTemplate;

private:
    const DialogResource* m_pTemplate = nullptr;
};
