#include "platform/wnd/CCmdUI.h"

#include "platform/wnd/CButton.h"
#include "platform/wnd/CMenu.h"
#include "platform/wnd/CWnd.h"

void CCmdUI::Enable(BOOL bOn)
{
    if (m_pMenu)
        m_pMenu->EnableMenuItem(m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : (MF_DISABLED | MF_GRAYED)));
    else if (m_pOther)
        m_pOther->EnableWindow(bOn);
    m_bEnableChanged = TRUE;
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_pMenu)
        m_pMenu->CheckMenuItem(m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
    else if (CButton* button = dynamic_cast<CButton*>(m_pOther))
        button->SetCheck(nCheck);
}

void CCmdUI::SetText(LPCTSTR lpszText)
{
    if (m_pMenu) {
        UINT flags = m_pMenu->GetMenuState(m_nIndex, MF_BYPOSITION);
        if (flags != static_cast<UINT>(-1) && !(flags & MF_POPUP))
            m_pMenu->ModifyMenu(m_nIndex, MF_BYPOSITION | MF_STRING, m_nID, lpszText);
    } else if (m_pOther) {
        m_pOther->SetWindowText(lpszText);
    }
}

BOOL CCmdUI::DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    if (!pTarget || m_nID == 0 || m_nID >= AFX_FIRST_SYSTEM_COMMAND)
        return TRUE;
    m_bEnableChanged = FALSE;
    BOOL handled = pTarget->OnCmdMsg(m_nID, static_cast<int>(CN_UPDATE_COMMAND_UI), this, nullptr);
    if (bDisableIfNoHndler && !m_bEnableChanged) {
        AFX_CMDHANDLERINFO info{nullptr};
        Enable(pTarget->OnCmdMsg(m_nID, CN_COMMAND, this, &info));
    }
    return handled;
}
