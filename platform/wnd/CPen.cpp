#include "platform/wnd/CPen.h"

#include "platform/wnd/GdiObjects.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return !m_hObject && Attach(::CreatePen(nPenStyle, nWidth, crColor));
}
