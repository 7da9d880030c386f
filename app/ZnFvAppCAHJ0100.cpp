#include "app/ZnFvAppCAHJ0100.h"

#include "app/CMainFrame.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAHJ0100, CFormViewBk)

BEGIN_MESSAGE_MAP(ZnFvAppCAHJ0100, CFormViewBk)
ON_WM_DESTROY()
END_MESSAGE_MAP()

ZnFvAppCAHJ0100::ZnFvAppCAHJ0100() : CFormViewBk(IDD_FV_CAHJ0100) {}

void ZnFvAppCAHJ0100::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    if (CFrameWnd* frame = GetParentFrame())
        frame->ShowWindow(SW_SHOWMAXIMIZED);
    CMainFrame* mainFrame = ZnGetMainFrame();
    if (!mainFrame)
        return;
    ZnDlgAppShinseishoList& list = mainFrame->GetShinseishoList();
    if (!list.Create(IDD_SHINSEISHO_LIST, this))
        return;
    list.SetWindowPos(nullptr, 10, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    list.ShowWindow(SW_SHOW);
}

void ZnFvAppCAHJ0100::OnDestroy()
{
    CFormViewBk::OnDestroy();
    if (CMainFrame* mainFrame = ZnGetMainFrame())
        mainFrame->GetShinseishoList().DestroyWindow();
}
