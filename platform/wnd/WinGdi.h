// The Win32 drawing names that the print library uses: GDI object handles, the font, metrics and
// document records, and the constants of pens, brushes, modes, alignment and device capabilities.
#pragma once

#include "platform/wnd/WinUser.h"

#include <cstdint>

// Every GDI object handle is an HGDIOBJ; the kinds are told apart by the object they name
// (platform/wnd/GdiObjects.h).
struct HGDIOBJ__;
typedef HGDIOBJ__* HGDIOBJ;
struct HPEN__;
typedef HPEN__* HPEN;
struct HFONT__;
typedef HFONT__* HFONT;
struct HBITMAP__;
typedef HBITMAP__* HBITMAP;
struct HPALETTE__;
typedef HPALETTE__* HPALETTE;

#define LF_FACESIZE 32

struct LOGFONT {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char lfFaceName[LF_FACESIZE];
};
typedef LOGFONT* LPLOGFONT;

struct TEXTMETRIC {
    LONG tmHeight;
    LONG tmAscent;
    LONG tmDescent;
    LONG tmInternalLeading;
    LONG tmExternalLeading;
    LONG tmAveCharWidth;
    LONG tmMaxCharWidth;
    LONG tmWeight;
    LONG tmOverhang;
    LONG tmDigitizedAspectX;
    LONG tmDigitizedAspectY;
    BYTE tmFirstChar;
    BYTE tmLastChar;
    BYTE tmDefaultChar;
    BYTE tmBreakChar;
    BYTE tmItalic;
    BYTE tmUnderlined;
    BYTE tmStruckOut;
    BYTE tmPitchAndFamily;
    BYTE tmCharSet;
};
typedef TEXTMETRIC* LPTEXTMETRIC;

struct DOCINFO {
    int cbSize;
    LPCSTR lpszDocName;
    LPCSTR lpszOutput;
    LPCSTR lpszDatatype;
    DWORD fwType;
};
typedef DOCINFO* LPDOCINFO;

// A printer's settings, as far as the system sets them: the paper, its orientation, the copies.
#define CCHDEVICENAME 32
#define DM_ORIENTATION 0x00000001
#define DM_PAPERSIZE 0x00000002
#define DM_COPIES 0x00000100
#define DMPAPER_A3 8
#define DMPAPER_A4 9
#define DMPAPER_B4 12
#define DMORIENT_PORTRAIT 1
#define DMORIENT_LANDSCAPE 2

struct DEVMODE {
    char dmDeviceName[CCHDEVICENAME];
    WORD dmSize;
    DWORD dmFields;
    short dmOrientation;
    short dmPaperSize;
    short dmCopies;
};
typedef DEVMODE* LPDEVMODE;

// Device-independent bitmaps.
#define BI_RGB 0
#define BI_BITFIELDS 3
#define CBM_INIT 0x04
#define DIB_RGB_COLORS 0
#define SRCCOPY 0x00CC0020

struct BITMAPINFOHEADER {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};

struct RGBQUAD {
    BYTE rgbBlue;
    BYTE rgbGreen;
    BYTE rgbRed;
    BYTE rgbReserved;
};

// A header followed by its colour table.
struct BITMAPINFO {
    BITMAPINFOHEADER bmiHeader;
    RGBQUAD bmiColors[1];
};

struct BITMAP {
    LONG bmType;
    LONG bmWidth;
    LONG bmHeight;
    LONG bmWidthBytes;
    WORD bmPlanes;
    WORD bmBitsPixel;
    void* bmBits;
};

// A logical palette of palNumEntries colours.
struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
struct LOGPALETTE {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[1];
};
typedef LOGPALETTE* LPLOGPALETTE;

// Pen styles.
#define PS_SOLID 0
#define PS_DASH 1
#define PS_DOT 2
#define PS_DASHDOT 3
#define PS_DASHDOTDOT 4
#define PS_NULL 5

// Brush styles, as a brush's record names them.
#define BS_SOLID 0
#define BS_NULL 1
#define BS_PATTERN 3

// Raster operations of SetROP2.
#define R2_BLACK 1
#define R2_NOTMERGEPEN 2
#define R2_MASKNOTPEN 3
#define R2_NOTCOPYPEN 4
#define R2_MASKPENNOT 5
#define R2_NOT 6
#define R2_XORPEN 7
#define R2_NOTMASKPEN 8
#define R2_MASKPEN 9
#define R2_NOTXORPEN 10
#define R2_NOP 11
#define R2_MERGENOTPEN 12
#define R2_COPYPEN 13
#define R2_MERGEPENNOT 14
#define R2_MERGEPEN 15
#define R2_WHITE 16

// Background modes.
#define TRANSPARENT 1
#define OPAQUE 2

// Text alignment.
#define TA_NOUPDATECP 0
#define TA_LEFT 0
#define TA_TOP 0
#define TA_RIGHT 2
#define TA_CENTER 6
#define TA_BOTTOM 8
#define TA_BASELINE 24

// Mapping modes.
#define MM_TEXT 1
#define MM_LOMETRIC 2
#define MM_HIMETRIC 3
#define MM_LOENGLISH 4
#define MM_HIENGLISH 5
#define MM_TWIPS 6
#define MM_ISOTROPIC 7
#define MM_ANISOTROPIC 8

// Stock objects.
#define WHITE_BRUSH 0
#define BLACK_BRUSH 4
#define NULL_BRUSH 5
#define HOLLOW_BRUSH NULL_BRUSH
#define WHITE_PEN 6
#define BLACK_PEN 7
#define NULL_PEN 8
#define SYSTEM_FONT 13
#define DEFAULT_GUI_FONT 17

// Font weights, character sets and pitches.
#define FW_DONTCARE 0
#define FW_NORMAL 400
#define FW_SEMIBOLD 600
#define FW_BOLD 700
#define ANSI_CHARSET 0
#define DEFAULT_CHARSET 1
#define SHIFTJIS_CHARSET 128
#define DEFAULT_PITCH 0
#define FIXED_PITCH 1
#define VARIABLE_PITCH 2

// GetDeviceCaps indices and the raster capabilities.
#define HORZSIZE 4
#define VERTSIZE 6
#define HORZRES 8
#define VERTRES 10
#define RASTERCAPS 38
#define LOGPIXELSX 88
#define LOGPIXELSY 90
#define PHYSICALWIDTH 110
#define PHYSICALHEIGHT 111
#define PHYSICALOFFSETX 112
#define PHYSICALOFFSETY 113
#define RC_BITBLT 0x0001
#define RC_BITMAP64 0x0008
#define RC_PALETTE 0x0100
#define RC_DIBTODEV 0x0200
#define RC_STRETCHBLT 0x0800
#define RC_STRETCHDIB 0x2000

#define GDI_ERROR 0xFFFFFFFF
#define SP_ERROR (-1)

HGDIOBJ GetStockObject(int index);
// Releases an object that CreatePen, CreateSolidBrush, CreatePatternBrush, CreateBitmap or
// CreateFontIndirect made; FALSE for none and for a stock object, which lives for the process.
BOOL DeleteObject(HGDIOBJ object);
HPEN CreatePen(int style, int width, COLORREF color);
// A brush that tiles the top left 8 × 8 pixels of a one-bit bitmap; null for another bitmap.
HBRUSH CreatePatternBrush(HBITMAP bitmap);
// Rows of bits, each padded to a multiple of 16 bits, the leftmost pixel in the most significant
// bit; only one plane of one bit is made (null otherwise). Without bits the bitmap is all 0.
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HFONT CreateFontIndirect(const LOGFONT* font);
// A colour bitmap of the DIB: its header (info, which the colour table follows) and bits, as
// CBM_INIT and DIB_RGB_COLORS take them; the DIB is trusted to hold what its header says. Null
// for a DIB that cannot be decoded (DibImage.h) and for other flags.
HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits, const BITMAPINFO* info,
                       UINT usage);
// A palette of the entries; null without any.
HPALETTE CreatePalette(const LOGPALETTE* palette);
// How many objects made by the calls above are alive: a drawing that cleans up after itself
// leaves it as it found it.
int AfxGdiObjectCount();
