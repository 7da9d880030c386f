#include "platform/wnd/CToolBar.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    if (!pParentWnd)
        return FALSE;
    m_dwBarStyle = dwStyle & CBRS_ALL;
    return CreateEx(0, "ToolbarWindow32", nullptr, (dwStyle & ~CBRS_ALL) | WS_CHILD, 0, 0, 0, 0, pParentWnd->m_hWnd,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}
