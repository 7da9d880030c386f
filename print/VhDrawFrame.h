// The device context state that one renderer operation draws in, for the time of the operation:
// the drawable's pen, raster operation and background mode, and, when asked for, its hatch as a
// pattern brush, its colour as the text colour, a font and a text alignment. The destructor puts
// back everything it changed and deletes everything it made.
#pragma once

#include "platform/wnd/CBrush.h"
#include "platform/wnd/CDC.h"
#include "platform/wnd/CFont.h"
#include "platform/wnd/CPen.h"

class VhDraw;

class VhDrawFrame {
public:
    // Pen, raster operation and background mode from draw.
    VhDrawFrame(CDC& dc, const VhDraw& draw);
    ~VhDrawFrame();
    VhDrawFrame(const VhDrawFrame&) = delete;
    VhDrawFrame& operator=(const VhDrawFrame&) = delete;

    // A pattern brush of the drawable's hatch, its 0 bits in the drawable's colour.
    void SelectHatchBrush(const VhDraw& draw);
    // The drawable's colour as the text colour.
    void SetTextColor(const VhDraw& draw);
    void SelectFont(const LOGFONT& font);
    void SetTextAlign(UINT align);

private:
    CDC& m_dc;
    CPen m_pen;
    CPen* m_previousPen;
    int m_previousRop;
    int m_previousBkMode;
    CBrush m_brush;
    CBrush* m_previousBrush = nullptr;
    bool m_textColorSet = false;
    COLORREF m_previousTextColor = 0;
    CFont m_font;
    CFont* m_previousFont = nullptr;
    bool m_alignSet = false;
    UINT m_previousAlign = 0;
};

// The pen style of a line type: 0 solid, 1 dash, 2 dot, 3 to 5 dash-dot, 6 to 8 dash-dot-dot,
// any other none.
int VhPenStyleOf(int lineType);
// The pen width of a width index: 1, 5, 15, 30, 50 for 0 to 4 on a printer, 1 to 5 on a screen,
// 0 for any other.
int VhPenWidthOf(int widthIndex, BOOL printing);
