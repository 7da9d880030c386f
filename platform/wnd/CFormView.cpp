#include "platform/wnd/CFormView.h"

#include "platform/wnd/DialogBuilder.h"

IMPLEMENT_DYNAMIC(CFormView, CView)

BOOL CFormView::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       UINT nID, CCreateContext* pContext)
{
    const DialogResource* dialog = AfxFindDialogResource(m_nIDTemplate);
    if (!dialog) {
        PostNcDestroy();
        return FALSE;
    }
    m_pTemplate = dialog;
    CRect size = DialogBuilder::ToPixels(*dialog, 0, 0, dialog->cx, dialog->cy);
    CRect placed(rect.left, rect.top, rect.left + size.Width(), rect.top + size.Height());
    if (!CView::Create(lpszClassName, lpszWindowName, dwStyle, placed, pParentWnd, nID, pContext))
        return FALSE;
    DialogBuilder::CreateControls(*this, *dialog);
    return TRUE;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(FALSE);
    CView::OnInitialUpdate();
}
