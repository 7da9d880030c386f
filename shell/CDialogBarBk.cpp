#include "shell/CDialogBarBk.h"

#include "platform/wnd/CCmdUI.h"
#include "platform/wnd/CDC.h"
#include "res/MainFrameIds.h"
#include "storage/ZnShellState.h"

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

BOOL CDialogBarBk::IsCurrentPanel(int panel)
{
    ZnShellState* shell = ZnShellState::Current();
    return shell && shell->GetCurrentPanel() == panel;
}

void CDialogBarBk::SwitchPanel(int panel) { ZnShellState::Current()->SwitchPanel(panel); }

void CDialogBarBk::GoBack()
{
    SwitchPanel(IDD_DOCTYPEBAR);
    ZnShellState::Current()->CloseFormView();
}

void CDialogBarBk::OpenForm(int objKind, CRuntimeClass* viewClass)
{
    ZnShellState::Current()->OpenFormView(objKind, viewClass);
}
