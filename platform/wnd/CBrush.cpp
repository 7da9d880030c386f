#include "platform/wnd/CBrush.h"

#include "platform/wnd/CBitmap.h"
#include "platform/wnd/GdiObjects.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

BOOL CBrush::CreateSolidBrush(COLORREF crColor) { return !m_hObject && Attach(::CreateSolidBrush(crColor)); }

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return !m_hObject && pBitmap && Attach(::CreatePatternBrush(*pBitmap));
}
