// MFC's pen: a style, a width in logical units and a colour.
#pragma once

#include "platform/wnd/CGdiObject.h"

class CPen : public CGdiObject {
public:
    DECLARE_DYNAMIC(CPen)
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

    // FALSE when the pen already holds a handle.
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return reinterpret_cast<HPEN>(m_hObject); }
};
