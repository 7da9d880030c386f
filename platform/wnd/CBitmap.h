// MFC's bitmap: a monochrome bitmap from rows of bits (for pattern brushes), or a colour bitmap
// made by CreateDIBitmap and attached.
#pragma once

#include "platform/wnd/CGdiObject.h"

class CBitmap : public CGdiObject {
public:
    DECLARE_DYNAMIC(CBitmap)
    CBitmap() = default;

    // FALSE when the bitmap already holds a handle, or is not one plane of one bit.
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    // The size in pixels (bmWidth, bmHeight), one plane of 1 or 32 bits; 0 without a bitmap.
    int GetBitmap(BITMAP* pBitMap) const;
    operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }
};
