#include "app/CMainMenuBar.h"

#include "app/CMainFrame.h"
#include "app/CZnAppProApp.h"
#include "res/MainFrameIds.h"

BEGIN_MESSAGE_MAP(CMainMenuBar, CDialogBarBk)
ON_COMMAND_EX(IDC_TOP_COMMONDATA, OnScreenButton)
ON_COMMAND_EX(IDC_TOP_SELECTBUKKEN, OnScreenButton)
ON_COMMAND_EX(IDC_TOP_BUKKENDATA, OnScreenButton)
ON_COMMAND_EX(IDC_TOP_FDCREATE, OnScreenButton)
ON_COMMAND_EX(IDC_TOP_PRINT, OnScreenButton)
ON_BN_CLICKED(IDC_TOP_MENUDISPLAY, OnMenuDisplay)
END_MESSAGE_MAP()

BOOL CMainMenuBar::OnScreenButton(UINT nID)
{
    ZnGetMainFrame()->SwitchMenu(static_cast<int>(nID));
    return TRUE;
}

void CMainMenuBar::OnMenuDisplay() { MenuAction(); }

void CMainMenuBar::MenuAction()
{
    CMainFrame* frame = ZnGetMainFrame();
    if (frame->GetSaving() != 1)
        ZnGetApp()->ChangeView(nullptr);
    if (frame->GetDataChanged() == 0 && frame->GetSaving() != 1) {
        frame->SetBukkenDataFlag(0);
        frame->SwitchMenu(IDC_TOP_MENUDISPLAY);
    }
}
