// MFC's bitmap, as far as pattern brushes need one: a monochrome bitmap from rows of bits.
#pragma once

#include "platform/wnd/CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    DECLARE_DYNAMIC(CBitmap)
    CBitmap() = default;

    // FALSE when the bitmap already holds a handle, or is not one plane of one bit.
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }
};
