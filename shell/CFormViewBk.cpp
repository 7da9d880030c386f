#include "shell/CFormViewBk.h"

#include "platform/wnd/CBrush.h"
#include "platform/wnd/CDC.h"

IMPLEMENT_DYNAMIC(CFormViewBk, CFormView)

BEGIN_MESSAGE_MAP(CFormViewBk, CFormView)
ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

BOOL CFormViewBk::OnEraseBkgnd(CDC* pDC)
{
    CBrush brush(kBackground);
    CBrush* previous = pDC->SelectObject(&brush);
    RECT area;
    pDC->GetClipBox(&area);
    pDC->PatBlt(area.left, area.top, area.right - area.left, area.bottom - area.top, PATCOPY);
    pDC->SelectObject(previous);
    return TRUE;
}
