#include "platform/wnd/CBrush.h"

IMPLEMENT_DYNAMIC(CBrush, CObject)

struct HBRUSH__ {
    COLORREF color;
};

HBRUSH CreateSolidBrush(COLORREF crColor) { return new HBRUSH__{crColor}; }

BOOL DeleteObject(HBRUSH hBrush)
{
    if (!hBrush)
        return FALSE;
    delete hBrush;
    return TRUE;
}

COLORREF AfxGetBrushColor(HBRUSH hBrush) { return hBrush ? hBrush->color : CLR_INVALID; }

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    if (m_hBrush)
        return FALSE;
    m_hBrush = ::CreateSolidBrush(crColor);
    return TRUE;
}

BOOL CBrush::DeleteObject()
{
    BOOL deleted = ::DeleteObject(m_hBrush);
    m_hBrush = nullptr;
    return deleted;
}
