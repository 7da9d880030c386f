#include "print/VhDrawFrame.h"

#include "platform/wnd/CBitmap.h"
#include "print/VhDraw.h"
#include "print/VhDrawTables.h"

int VhPenStyleOf(int lineType)
{
    switch (lineType) {
    case 0:
        return PS_SOLID;
    case 1:
        return PS_DASH;
    case 2:
        return PS_DOT;
    case 3:
    case 4:
    case 5:
        return PS_DASHDOT;
    case 6:
    case 7:
    case 8:
        return PS_DASHDOTDOT;
    default:
        return PS_NULL;
    }
}

int VhPenWidthOf(int widthIndex, BOOL printing)
{
    static const int printerWidths[] = {1, 5, 15, 30, 50};
    static const int screenWidths[] = {1, 2, 3, 4, 5};
    if (widthIndex < 0 || widthIndex > 4)
        return 0;
    return printing ? printerWidths[widthIndex] : screenWidths[widthIndex];
}

VhDrawFrame::VhDrawFrame(CDC& dc, const VhDraw& draw) : m_dc(dc)
{
    m_pen.CreatePen(VhPenStyleOf(draw.GetLineType()), VhPenWidthOf(draw.GetLineWidth(), dc.IsPrinting()),
                    VhColorOf(draw.GetColor()));
    m_previousPen = dc.SelectObject(&m_pen);
    m_previousRop = dc.SetROP2(draw.GetROP2());
    m_previousBkMode = dc.SetBkMode(draw.GetBkMode());
}

VhDrawFrame::~VhDrawFrame()
{
    if (m_alignSet && m_previousAlign != GDI_ERROR)
        m_dc.SetTextAlign(m_previousAlign);
    if (m_previousFont)
        m_dc.SelectObject(m_previousFont);
    if (m_textColorSet)
        m_dc.SetTextColor(m_previousTextColor);
    if (m_previousBrush)
        m_dc.SelectObject(m_previousBrush);
    m_dc.SetBkMode(m_previousBkMode);
    m_dc.SetROP2(m_previousRop);
    m_dc.SelectObject(m_previousPen);
}

void VhDrawFrame::SelectHatchBrush(const VhDraw& draw)
{
    CBitmap bitmap;
    bitmap.CreateBitmap(8, 8, 1, 1, VhHatchPatternOf(draw.GetHatch()));
    m_brush.CreatePatternBrush(&bitmap);
    m_previousBrush = m_dc.SelectObject(&m_brush);
    SetTextColor(draw);
}

void VhDrawFrame::SetTextColor(const VhDraw& draw)
{
    COLORREF previous = m_dc.SetTextColor(VhColorOf(draw.GetColor()));
    if (!m_textColorSet)
        m_previousTextColor = previous;
    m_textColorSet = true;
}

void VhDrawFrame::SelectFont(const LOGFONT& font)
{
    m_font.CreateFontIndirect(&font);
    m_previousFont = m_dc.SelectObject(&m_font);
}

void VhDrawFrame::SetTextAlign(UINT align)
{
    m_previousAlign = m_dc.SetTextAlign(align);
    m_alignSet = true;
}
