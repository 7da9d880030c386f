#include "platform/wnd/CMDIClientWnd.h"

#include "platform/wnd/CMDIFrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMDIClientWnd, CWnd)

CWnd* CMDIClientWnd::GetActive(BOOL* pbMaximized)
{
    // Children destroyed by other ways than WM_MDIDESTROY drop out here.
    while (!m_activation.empty() && !CWnd::FromHandle(m_activation.back()))
        m_activation.pop_back();
    CWnd* active = m_activation.empty() ? nullptr : CWnd::FromHandle(m_activation.back());
    if (pbMaximized)
        *pbMaximized = active && active->IsZoomed();
    return active;
}

void CMDIClientWnd::Forget(HWND hWndChild)
{
    m_activation.erase(std::remove(m_activation.begin(), m_activation.end(), hWndChild), m_activation.end());
}

void CMDIClientWnd::Activate(HWND hWndChild)
{
    if (!CWnd::FromHandle(hWndChild))
        return;
    Forget(hWndChild);
    m_activation.push_back(hWndChild);
    FrameMenuChanged();
}

void CMDIClientWnd::FrameMenuChanged()
{
    if (CMDIFrameWnd* frame = dynamic_cast<CMDIFrameWnd*>(GetParent()))
        frame->OnUpdateFrameMenu(nullptr);
}

LRESULT CMDIClientWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND child = reinterpret_cast<HWND>(wParam);
    switch (message) {
    case WM_MDIACTIVATE:
        Activate(child);
        return 0;
    case WM_MDIGETACTIVE: {
        CWnd* active = GetActive(reinterpret_cast<BOOL*>(lParam));
        return reinterpret_cast<LRESULT>(active ? active->m_hWnd : nullptr);
    }
    case WM_MDIMAXIMIZE:
        if (CWnd* wnd = CWnd::FromHandle(child))
            wnd->ShowWindow(SW_SHOWMAXIMIZED);
        return 0;
    case WM_MDIRESTORE:
        if (CWnd* wnd = CWnd::FromHandle(child))
            wnd->ShowWindow(SW_RESTORE);
        return 0;
    case WM_MDINEXT:
        if (m_activation.size() > 1)
            Activate(m_activation.front());
        return 0;
    case WM_MDIDESTROY:
        if (CWnd* wnd = CWnd::FromHandle(child)) {
            Forget(child);
            wnd->CWnd::DestroyWindow();
            FrameMenuChanged();
        }
        return 0;
    default:
        return CWnd::DefWindowProc(message, wParam, lParam);
    }
}
