#include "platform/wnd/CMDIFrameWnd.h"

#include "platform/wnd/CMDIChildWnd.h"
#include "platform/wnd/CMenu.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*) { return CreateClient(lpcs, nullptr); }

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu*)
{
    CRect client;
    GetClientRect(&client);
    if (!m_wndMDIClient.CreateEx(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, client.Width(),
                                 client.Height(), m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(AFX_IDW_PANE_FIRST))))
        return FALSE;
    m_hWndMDIClient = m_wndMDIClient.m_hWnd;
    return TRUE;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    CWnd* client = CWnd::FromHandle(m_hWndMDIClient);
    if (!client) {
        if (pbMaximized)
            *pbMaximized = FALSE;
        return nullptr;
    }
    HWND active =
        reinterpret_cast<HWND>(client->SendMessage(WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(pbMaximized)));
    return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(active));
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(pWnd->m_hWnd), 0);
}

void CMDIFrameWnd::MDINext() { ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0); }

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* active = MDIGetActive();
    return active ? static_cast<CFrameWnd*>(active) : this;
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* active = MDIGetActive();
    if (!hMenuAlt && active)
        hMenuAlt = active->m_hMenuShared;
    CFrameWnd::OnUpdateFrameMenu(hMenuAlt);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (CMDIChildWnd* active = MDIGetActive())
        if (active->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
            return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
