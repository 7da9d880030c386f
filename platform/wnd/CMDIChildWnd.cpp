#include "platform/wnd/CMDIChildWnd.h"

#include "platform/wnd/CMDIFrameWnd.h"
#include "platform/wnd/CMultiDocTemplate.h"
#include "platform/wnd/CWinApp.h"

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CMDIFrameWnd* frame = dynamic_cast<CMDIFrameWnd*>(pParentWnd ? pParentWnd : AfxGetMainWnd());
    if (!frame || !frame->m_hWndMDIClient) {
        PostNcDestroy();
        return FALSE;
    }
    m_nIDHelp = nIDResource;
    CMultiDocTemplate* docTemplate = pContext ? dynamic_cast<CMultiDocTemplate*>(pContext->m_pNewDocTemplate) : nullptr;
    m_hMenuShared = docTemplate ? docTemplate->m_hMenuShared : nullptr;
    return Create(nullptr, TitleFromResource(nIDResource), dwDefaultStyle, rectDefault, frame, pContext);
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    CMDIFrameWnd* frame = pParentWnd ? pParentWnd : dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (!frame)
        return FALSE;
    m_strTitle = lpszWindowName;
    HWND client = frame->m_hWndMDIClient;
    if (!CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top, client, nullptr, pContext))
        return FALSE;
    ::SendMessage(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return TRUE;
}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    CWnd* client = GetParent();
    return client ? dynamic_cast<CMDIFrameWnd*>(client->GetParent()) : nullptr;
}

BOOL CMDIChildWnd::DestroyWindow()
{
    if (!m_hWnd)
        return FALSE;
    if (GetMDIFrame())
        MDIDestroy();
    else
        CWnd::DestroyWindow();
    return TRUE;
}

void CMDIChildWnd::MDIDestroy()
{
    CWnd* client = GetParent();
    client->SendMessage(WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIActivate()
{
    if (CWnd* client = GetParent())
        client->SendMessage(WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIMaximize()
{
    if (CWnd* client = GetParent())
        client->SendMessage(WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::MDIRestore()
{
    if (CWnd* client = GetParent())
        client->SendMessage(WM_MDIRESTORE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1) {
        BOOL maximized = FALSE;
        CMDIFrameWnd* frame = GetMDIFrame();
        CMDIChildWnd* active = frame ? frame->MDIGetActive(&maximized) : nullptr;
        nCmdShow = (active && active != this && maximized) ? SW_SHOWMAXIMIZED : SW_SHOW;
    }
    ShowWindow(nCmdShow);
    MDIActivate();
}
