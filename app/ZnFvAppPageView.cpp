#include "app/ZnFvAppPageView.h"

#include "app/CZnAppProDoc.h"
#include "platform/wnd/CDialog.h"
#include "platform/wnd/CFrameWnd.h"

IMPLEMENT_DYNAMIC(ZnFvAppPageView, CFormViewBk)

BEGIN_MESSAGE_MAP(ZnFvAppPageView, CFormViewBk)
ON_WM_DESTROY()
END_MESSAGE_MAP()

void ZnFvAppPageView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    ShowTitles();
    if (CFrameWnd* frame = GetParentFrame())
        frame->ShowWindow(SW_SHOWMAXIMIZED);
    CreatePanel();
}

void ZnFvAppPageView::CreatePanel()
{
    if (!m_pPage || !m_pPage->Create(m_nIDPage, this))
        return;
    m_pPage->SetWindowPos(nullptr, kPageX, kPageY, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    m_pPage->ShowWindow(SW_SHOW);
}

void ZnFvAppPageView::OnDestroy()
{
    CFormViewBk::OnDestroy();
    DeleteDocModels();
    if (m_pPage)
        m_pPage->DestroyWindow();
}

void ZnFvAppPageView::DeleteDocModels()
{
    CZnAppProDoc* document = dynamic_cast<CZnAppProDoc*>(GetDocument());
    if (!document)
        return;
    document->DeleteFormModel();
    document->DeleteSubFormModel();
}

void ZnFvAppPageView::SetTitleVisible(CWnd& title, BOOL visible)
{
    title.ModifyStyle(visible ? 0 : WS_VISIBLE, visible ? WS_VISIBLE : 0);
}
