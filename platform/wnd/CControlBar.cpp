#include "platform/wnd/CControlBar.h"

#include "platform/wnd/CFrameWnd.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

BOOL CControlBar::CreateBar(CWnd* pParentWnd, LPCTSTR lpszClassName, DWORD dwStyle, UINT nID)
{
    if (!pParentWnd)
        return FALSE;
    m_dwBarStyle = dwStyle & CBRS_ALL;
    return CreateEx(0, lpszClassName, nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, 0, 0, 0, 0, pParentWnd->m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

LRESULT CControlBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND || message == WM_NOTIFY) {
        LRESULT result = 0;
        if (OnWndMsg(message, wParam, lParam, &result))
            return result;
        CWnd* owner = GetOwner();
        return owner ? owner->SendMessage(message, wParam, lParam) : 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    CWnd* owner = GetOwner();
    CFrameWnd* target = owner && owner->IsFrameWnd() ? static_cast<CFrameWnd*>(owner) : GetParentFrame();
    if (target && (GetStyle() & WS_VISIBLE))
        OnUpdateCmdUI(target, static_cast<BOOL>(wParam));
    return 0;
}
