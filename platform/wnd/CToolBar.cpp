#include "platform/wnd/CToolBar.h"

IMPLEMENT_DYNAMIC(CToolBar, CControlBar)

BOOL CToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    return CreateBar(pParentWnd, "ToolbarWindow32", dwStyle, nID);
}
