// MFC's brush: a solid colour or an 8 × 8 pattern from a monochrome bitmap, behind a brush
// handle that the object owns and releases with it.
#pragma once

#include "platform/wnd/CGdiObject.h"

class CBitmap;

class CBrush : public CGdiObject {
public:
    DECLARE_DYNAMIC(CBrush)
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

    // Each FALSE when the brush already holds a handle.
    BOOL CreateSolidBrush(COLORREF crColor);
    // A pattern of the bitmap's top left 8 × 8 pixels: painted 0 bits in the device context's
    // text colour, 1 bits in its background colour. The bitmap may be deleted afterwards.
    BOOL CreatePatternBrush(CBitmap* pBitmap);
    HBRUSH GetSafeHandle() const { return reinterpret_cast<HBRUSH>(m_hObject); }
    operator HBRUSH() const { return GetSafeHandle(); }
};

HBRUSH CreateSolidBrush(COLORREF crColor);
// The colour of a brush handle, or CLR_INVALID for none.
COLORREF AfxGetBrushColor(HBRUSH hBrush);
