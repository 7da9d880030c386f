#include "platform/wnd/CBitmap.h"

#include "platform/wnd/GdiObjects.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    auto* bitmap = reinterpret_cast<HBITMAP__*>(m_hObject);
    if (!bitmap || !pBitMap)
        return 0;
    bool colour = !bitmap->colors.empty();
    *pBitMap = BITMAP{0, bitmap->width, bitmap->height, colour ? bitmap->width * 4 : bitmap->RowBytes(), 1,
                      WORD(colour ? 32 : 1), nullptr};
    return sizeof(BITMAP);
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits)
{
    return !m_hObject && Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
