#include "platform/wnd/WinGdi.h"

#include "platform/wnd/DibImage.h"
#include "platform/wnd/GdiObjects.h"

#include <algorithm>
#include <cstring>

namespace {
int liveObjects = 0;

template <class Handle, class... Args> Handle* MakeObject(Args... args)
{
    ++liveObjects;
    return new Handle(args...);
}

template <class Handle> Handle* MakeStock(Handle* object)
{
    object->stock = true;
    return object;
}

// The font a new device context holds: the Windows system font's 16-unit cell, in the face
// that the system's own texts use.
LOGFONT SystemFont()
{
    LOGFONT font{};
    font.lfHeight = 16;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    std::strcpy(font.lfFaceName, "ＭＳ ゴシック");
    return font;
}
} // namespace

bool HBITMAP__::Bit(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height)
        return false;
    return bits[static_cast<size_t>(y) * RowBytes() + x / 8] & (0x80 >> (x % 8));
}

HGDIOBJ GetStockObject(int index)
{
    static HBRUSH__* whiteBrush = MakeStock(new HBRUSH__(BS_SOLID, RGB(255, 255, 255)));
    static HBRUSH__* blackBrush = MakeStock(new HBRUSH__(BS_SOLID, RGB(0, 0, 0)));
    static HBRUSH__* nullBrush = MakeStock(new HBRUSH__(BS_NULL));
    static HPEN__* whitePen = MakeStock(new HPEN__(PS_SOLID, 0, RGB(255, 255, 255)));
    static HPEN__* blackPen = MakeStock(new HPEN__(PS_SOLID, 0, RGB(0, 0, 0)));
    static HPEN__* nullPen = MakeStock(new HPEN__(PS_NULL, 0, RGB(0, 0, 0)));
    static HFONT__* systemFont = MakeStock(new HFONT__(SystemFont()));
    switch (index) {
    case WHITE_BRUSH:
        return whiteBrush;
    case BLACK_BRUSH:
        return blackBrush;
    case NULL_BRUSH:
        return nullBrush;
    case WHITE_PEN:
        return whitePen;
    case BLACK_PEN:
        return blackPen;
    case NULL_PEN:
        return nullPen;
    case SYSTEM_FONT:
    case DEFAULT_GUI_FONT:
        return systemFont;
    default:
        return nullptr;
    }
}

BOOL DeleteObject(HGDIOBJ object)
{
    if (!object || object->stock)
        return FALSE;
    --liveObjects;
    delete object;
    return TRUE;
}

HPEN CreatePen(int style, int width, COLORREF color) { return MakeObject<HPEN__>(style, std::max(width, 0), color); }

HBRUSH CreateSolidBrush(COLORREF crColor) { return MakeObject<HBRUSH__>(BS_SOLID, crColor); }

HBRUSH CreatePatternBrush(HBITMAP bitmap)
{
    if (!bitmap || bitmap->width < 8 || bitmap->height < 8)
        return nullptr;
    HBRUSH__* brush = MakeObject<HBRUSH__>(BS_PATTERN, RGB(0, 0, 0));
    for (int y = 0; y < 8; ++y)
        brush->rows[y] = bitmap->bits[static_cast<size_t>(y) * bitmap->RowBytes()];
    return brush;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    if (planes != 1 || bitsPerPixel != 1 || width <= 0 || height <= 0 || width > 0x8000 || height > 0x8000)
        return nullptr;
    HBITMAP__* bitmap = MakeObject<HBITMAP__>(width, height);
    bitmap->bits.assign(static_cast<size_t>(bitmap->RowBytes()) * height, 0);
    if (bits)
        std::memcpy(bitmap->bits.data(), bits, bitmap->bits.size());
    return bitmap;
}

HFONT CreateFontIndirect(const LOGFONT* font)
{
    if (!font)
        return nullptr;
    HFONT__* made = MakeObject<HFONT__>(*font);
    made->font.lfFaceName[LF_FACESIZE - 1] = '\0';
    return made;
}

HBITMAP CreateDIBitmap(HDC, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage)
{
    if (!header || !bits || !info || init != CBM_INIT || usage != DIB_RGB_COLORS || header->biWidth <= 0)
        return nullptr;
    const auto* start = reinterpret_cast<const unsigned char*>(info);
    const auto* pixels = static_cast<const unsigned char*>(bits);
    if (pixels < start)
        return nullptr;
    size_t offset = static_cast<size_t>(pixels - start);
    size_t rows = header->biHeight < 0 ? 0u - uint32_t(header->biHeight) : uint32_t(header->biHeight);
    size_t stride = (size_t(header->biWidth) * header->biBitCount + 31) / 32 * 4;
    DibImage image;
    if (!DecodeDib(start, offset + stride * rows, offset, image))
        return nullptr;
    HBITMAP__* bitmap = MakeObject<HBITMAP__>(image.width, image.height);
    bitmap->colors = std::move(image.pixels);
    return bitmap;
}

HPALETTE CreatePalette(const LOGPALETTE* palette)
{
    if (!palette || palette->palNumEntries == 0)
        return nullptr;
    HPALETTE__* made = MakeObject<HPALETTE__>();
    made->entries.assign(palette->palPalEntry, palette->palPalEntry + palette->palNumEntries);
    return made;
}

int AfxGdiObjectCount() { return liveObjects; }

COLORREF AfxGetBrushColor(HBRUSH hBrush) { return hBrush ? hBrush->color : CLR_INVALID; }
