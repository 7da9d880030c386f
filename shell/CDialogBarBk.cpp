#include "app/CDialogBarBk.h"

#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "platform/wnd/CCmdUI.h"
#include "platform/wnd/CDC.h"
#include "res/MainFrameIds.h"

BEGIN_MESSAGE_MAP(CDialogBarBk, CDialogBar)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CDialogBarBk::CDialogBarBk() { m_brush.CreateSolidBrush(kBackground); }

HBRUSH CDialogBarBk::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC)
        return CDialogBar::OnCtlColor(pDC, pWnd, nCtlColor);
    pDC->SetTextColor(RGB(0, 0, 0));
    pDC->SetBkColor(kBackground);
    return m_brush.GetSafeHandle();
}

void CDialogBarBk::OnUpdateEnable(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

CMainFrame* CDialogBarBk::Frame() { return ZnGetMainFrame(); }

BOOL CDialogBarBk::IsCurrentPanel(int panel)
{
    CMainFrame* frame = Frame();
    return frame && frame->GetCurrentPanel() == panel;
}

void CDialogBarBk::SwitchPanel(int panel)
{
    CMainFrame* frame = Frame();
    frame->DestroyPanel();
    frame->SetNextPanel(panel);
    frame->CreatePanel();
}

void CDialogBarBk::GoBack()
{
    SwitchPanel(IDD_DOCTYPEBAR);
    ZnGetApp()->ChangeView(nullptr);
}

void CDialogBarBk::OpenForm(int objKind, CRuntimeClass* viewClass)
{
    Frame()->SetObjKind(objKind);
    if (viewClass)
        ZnGetApp()->ChangeView(ZnGetApp()->GetFormTemplate(viewClass));
}
