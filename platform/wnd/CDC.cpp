#include "platform/wnd/CDC.h"

#include "platform/wnd/CBrush.h"

IMPLEMENT_DYNAMIC(CDC, CObject)

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    COLORREF previous = m_textColor;
    m_textColor = crColor;
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF crColor)
{
    COLORREF previous = m_bkColor;
    m_bkColor = crColor;
    return previous;
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    CBrush* previous = m_pBrush;
    m_pBrush = pBrush;
    return previous;
}

int CDC::GetClipBox(LPRECT lpRect) const
{
    *lpRect = m_clipBox;
    return m_clipBox.right > m_clipBox.left && m_clipBox.bottom > m_clipBox.top ? SIMPLEREGION : NULLREGION;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    if (dwRop != PATCOPY)
        return FALSE;
    if (m_pBrush && m_pBrush->GetSafeHandle())
        FillSolid(RECT{x, y, x + nWidth, y + nHeight}, AfxGetBrushColor(m_pBrush->GetSafeHandle()));
    return TRUE;
}
