// What the GDI handles name: the description of each kind of object, which device contexts and
// their back ends read. The wrapper is the MFC object that made the handle, or the one that
// stands for a stock object.
#pragma once

#include "platform/wnd/WinGdi.h"

#include <vector>

class CGdiObject;

struct HGDIOBJ__ {
    enum Kind { Pen, Brush, Font, Bitmap, Palette };
    explicit HGDIOBJ__(Kind kind) : kind(kind) {}
    virtual ~HGDIOBJ__() = default;
    Kind kind;
    bool stock = false;
    CGdiObject* wrapper = nullptr;
};

struct HPEN__ : HGDIOBJ__ {
    HPEN__(int style, int width, COLORREF color) : HGDIOBJ__(Pen), style(style), width(width), color(color) {}
    int style;
    int width; // logical units; 0 is one device unit
    COLORREF color;
};

struct HBRUSH__ : HGDIOBJ__ {
    explicit HBRUSH__(UINT style, COLORREF color = 0) : HGDIOBJ__(Brush), style(style), color(color) {}
    UINT style; // BS_SOLID, BS_NULL or BS_PATTERN
    COLORREF color;
    BYTE rows[8] = {}; // a pattern's eight rows, the leftmost pixel in the top bit
};

struct HFONT__ : HGDIOBJ__ {
    explicit HFONT__(const LOGFONT& font) : HGDIOBJ__(Font), font(font) {}
    LOGFONT font;
};

struct HBITMAP__ : HGDIOBJ__ {
    HBITMAP__(int width, int height) : HGDIOBJ__(Bitmap), width(width), height(height) {}
    int width;
    int height;
    // Whether the pixel is a 1 bit; false outside the bitmap.
    bool Bit(int x, int y) const;
    int RowBytes() const { return (width + 15) / 16 * 2; }
    std::vector<BYTE> bits; // RowBytes() × height, a one-bit bitmap's
    std::vector<uint32_t> colors; // width × height 0xRRGGBB, top row first, a colour bitmap's
};

struct HPALETTE__ : HGDIOBJ__ {
    HPALETTE__() : HGDIOBJ__(Palette) {}
    std::vector<PALETTEENTRY> entries;
};
