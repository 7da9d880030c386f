#include "platform/wnd/CDC.h"

#include "platform/wnd/CBitmap.h"
#include "platform/wnd/CBrush.h"
#include "platform/wnd/CFont.h"
#include "platform/wnd/CPen.h"
#include "platform/wnd/GdiObjects.h"

#include <algorithm>
#include <utility>

IMPLEMENT_DYNAMIC(CDC, CObject)

namespace {

// The corner of a rectangle at (x, y) of that width and height opposite (x, y); false when it lies
// beyond int, as no device coordinate can.
bool FarCorner(int x, int y, int width, int height, POINT& corner)
{
    return !__builtin_add_overflow(x, width, &corner.x) && !__builtin_add_overflow(y, height, &corner.y);
}

} // namespace

DcDevice AfxPaperDevice(BOOL printer, int dpi, double widthMm, double heightMm, POINT offset)
{
    DcDevice device;
    device.printer = printer;
    device.dpi = dpi;
    device.paper = SIZE{AfxRoundToLong(widthMm * dpi / 25.4), AfxRoundToLong(heightMm * dpi / 25.4)};
    device.offset = offset;
    device.paperMm[0] = widthMm;
    device.paperMm[1] = heightMm;
    return device;
}

CDC::CDC()
    : m_mapping(m_device.dpi, m_device.dpi), m_pen(static_cast<HPEN>(::GetStockObject(BLACK_PEN))),
      m_brush(static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH))),
      m_font(static_cast<HFONT>(::GetStockObject(SYSTEM_FONT)))
{
}

void CDC::SetDevice(const DcDevice& device)
{
    m_device = device;
    m_mapping = DcMapping(device.dpi, device.dpi);
    m_clipBox = RECT{0, 0, GetDeviceCaps(HORZRES), GetDeviceCaps(VERTRES)};
}

int CDC::GetDeviceCaps(int nIndex) const
{
    const LONG physical = m_device.printer ? 1 : 0;
    switch (nIndex) {
    case LOGPIXELSX:
    case LOGPIXELSY:
        return m_device.dpi;
    case HORZRES:
        return m_device.paper.cx - 2 * m_device.offset.x;
    case VERTRES:
        return m_device.paper.cy - 2 * m_device.offset.y;
    case HORZSIZE:
        return AfxRoundToLong(GetDeviceCaps(HORZRES) * 25.4 / m_device.dpi);
    case VERTSIZE:
        return AfxRoundToLong(GetDeviceCaps(VERTRES) * 25.4 / m_device.dpi);
    case PHYSICALWIDTH:
        return physical * m_device.paper.cx;
    case PHYSICALHEIGHT:
        return physical * m_device.paper.cy;
    case PHYSICALOFFSETX:
        return physical * m_device.offset.x;
    case PHYSICALOFFSETY:
        return physical * m_device.offset.y;
    case RASTERCAPS:
        return RC_BITBLT | RC_BITMAP64 | RC_DIBTODEV | RC_STRETCHBLT | RC_STRETCHDIB;
    default:
        return 0;
    }
}

COLORREF CDC::SetTextColor(COLORREF crColor) { return std::exchange(m_textColor, crColor); }

COLORREF CDC::SetBkColor(COLORREF crColor) { return std::exchange(m_bkColor, crColor); }

int CDC::SetBkMode(int nBkMode)
{
    if (nBkMode != TRANSPARENT && nBkMode != OPAQUE)
        return 0;
    return std::exchange(m_bkMode, nBkMode);
}

int CDC::SetROP2(int nDrawMode)
{
    if (nDrawMode < R2_BLACK || nDrawMode > R2_WHITE)
        return 0;
    return std::exchange(m_rop2, nDrawMode);
}

UINT CDC::SetTextAlign(UINT nFlags) { return std::exchange(m_textAlign, nFlags); }

HGDIOBJ CDC::Select(HGDIOBJ object)
{
    if (!object)
        return nullptr;
    switch (object->kind) {
    case HGDIOBJ__::Pen:
        return std::exchange(m_pen, static_cast<HPEN>(object));
    case HGDIOBJ__::Brush:
        return std::exchange(m_brush, static_cast<HBRUSH>(object));
    case HGDIOBJ__::Font:
        return std::exchange(m_font, static_cast<HFONT>(object));
    case HGDIOBJ__::Bitmap:
        return std::exchange(m_bitmap, static_cast<HBITMAP>(object));
    default:
        return nullptr;
    }
}

CPen* CDC::SelectObject(CPen* pPen)
{
    return static_cast<CPen*>(CGdiObject::FromHandle(Select(pPen ? pPen->m_hObject : nullptr)));
}

CBrush* CDC::SelectObject(CBrush* pBrush)
{
    return static_cast<CBrush*>(CGdiObject::FromHandle(Select(pBrush ? pBrush->m_hObject : nullptr)));
}

CFont* CDC::SelectObject(CFont* pFont)
{
    return static_cast<CFont*>(CGdiObject::FromHandle(Select(pFont ? pFont->m_hObject : nullptr)));
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap)
{
    return static_cast<CBitmap*>(CGdiObject::FromHandle(Select(pBitmap ? pBitmap->m_hObject : nullptr)));
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject)
{
    return CGdiObject::FromHandle(Select(pObject ? pObject->m_hObject : nullptr));
}

CGdiObject* CDC::SelectStockObject(int nIndex) { return CGdiObject::FromHandle(Select(::GetStockObject(nIndex))); }

CPen* CDC::GetCurrentPen() const { return static_cast<CPen*>(CGdiObject::FromHandle(m_pen)); }

CBrush* CDC::GetCurrentBrush() const { return static_cast<CBrush*>(CGdiObject::FromHandle(m_brush)); }

CFont* CDC::GetCurrentFont() const { return static_cast<CFont*>(CGdiObject::FromHandle(m_font)); }

int CDC::GetPenDeviceWidth() const { return std::max(1, m_mapping.LengthToDevice(m_pen->width)); }

int CDC::SetMapMode(int nMapMode) { return m_mapping.SetMapMode(nMapMode); }

CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE previous;
    m_mapping.SetWindowExt(SIZE{cx, cy}, &previous);
    return previous;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE previous;
    m_mapping.SetViewportExt(SIZE{cx, cy}, &previous);
    return previous;
}

CPoint CDC::SetWindowOrg(int x, int y) { return m_mapping.SetWindowOrg(POINT{x, y}); }

CPoint CDC::SetViewportOrg(int x, int y) { return m_mapping.SetViewportOrg(POINT{x, y}); }

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    for (int i = 0; i < nCount; ++i)
        lpPoints[i] = m_mapping.ToDevice(lpPoints[i]);
}

void CDC::LPtoDP(LPRECT lpRect) const { LPtoDP(reinterpret_cast<LPPOINT>(lpRect), 2); }

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    for (int i = 0; i < nCount; ++i)
        lpPoints[i] = m_mapping.ToLogical(lpPoints[i]);
}

void CDC::DPtoLP(LPRECT lpRect) const { DPtoLP(reinterpret_cast<LPPOINT>(lpRect), 2); }

int CDC::GetClipBox(LPRECT lpRect) const
{
    RECT box = m_clipBox;
    DPtoLP(&box);
    *lpRect = RECT{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
                   std::max(box.top, box.bottom)};
    return lpRect->right > lpRect->left && lpRect->bottom > lpRect->top ? SIMPLEREGION : NULLREGION;
}

std::vector<POINT> CDC::ToDevice(const POINT* points, int count) const
{
    std::vector<POINT> device(points, points + count);
    LPtoDP(device.data(), count);
    return device;
}

void CDC::Emit(DcOutput::Call call, std::vector<POINT> logical, const CString& text, COLORREF color)
{
    DcOutput output;
    output.call = call;
    output.logical = std::move(logical);
    output.text = text;
    output.color = color;
    output.device = ToDevice(output.logical.data(), static_cast<int>(output.logical.size()));
    if (call == DcOutput::LineTo)
        output.device.insert(output.device.begin(), m_mapping.ToDevice(m_position));
    Output(output);
}

CPoint CDC::MoveTo(int x, int y)
{
    Emit(DcOutput::MoveTo, {POINT{x, y}});
    return std::exchange(m_position, CPoint(x, y));
}

BOOL CDC::LineTo(int x, int y)
{
    Emit(DcOutput::LineTo, {POINT{x, y}});
    m_position = CPoint(x, y);
    return TRUE;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount)
{
    if (!lpPoints || nCount < 2)
        return FALSE;
    Emit(DcOutput::Polyline, std::vector<POINT>(lpPoints, lpPoints + nCount));
    return TRUE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount)
{
    if (!lpPoints || nCount < 2)
        return FALSE;
    Emit(DcOutput::Polygon, std::vector<POINT>(lpPoints, lpPoints + nCount));
    return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    Emit(DcOutput::Ellipse, {POINT{x1, y1}, POINT{x2, y2}});
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    if (!lpszString || nCount < 0)
        return FALSE;
    Emit(DcOutput::TextOut, {POINT{x, y}}, CString(lpszString, nCount));
    return TRUE;
}

CSize CDC::TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                         int nTabOrigin)
{
    TEXTMETRIC metrics;
    GetTextMetrics(&metrics);
    // Positions in 64 bits, held at the 32-bit limit where they are used: a huge font overflows none.
    const long long average = std::max<LONG>(metrics.tmAveCharWidth, 1);
    auto nextStop = [&](long long at) -> long long {
        long long from = at - nTabOrigin;
        if (nTabPositions > 1 && lpnTabStopPositions) {
            for (int i = 0; i < nTabPositions; ++i)
                if (lpnTabStopPositions[i] > from)
                    return static_cast<long long>(nTabOrigin) + lpnTabStopPositions[i];
            return at + average;
        }
        long long spacing = nTabPositions == 1 && lpnTabStopPositions && lpnTabStopPositions[0] > 0
                                ? lpnTabStopPositions[0]
                                : 8 * average;
        return nTabOrigin + (from < 0 ? 0 : (from / spacing + 1) * spacing);
    };
    long long at = x;
    int count = lpszString ? std::max(nCount, 0) : 0;
    for (int start = 0; start < count;) {
        int end = start;
        while (end < count && lpszString[end] != '\t')
            ++end;
        if (end > start) {
            TextOut(AfxRoundToLong(double(at)), y, lpszString + start, end - start);
            at += GetTextExtent(lpszString + start, end - start).cx;
        }
        if (end < count)
            at = nextStop(at);
        start = end + 1;
    }
    return CSize(AfxRoundToLong(double(at - x)), metrics.tmHeight);
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    DcDevice device = pDC ? pDC->GetDevice() : DcDevice();
    device.printer = FALSE;
    SetDevice(device);
    return TRUE;
}

BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    HBITMAP bitmap = pSrcDC ? pSrcDC->m_bitmap : nullptr;
    POINT end;
    if (dwRop != SRCCOPY || !bitmap || bitmap->colors.empty() || nWidth <= 0 || nHeight <= 0 || nSrcWidth <= 0 ||
        nSrcHeight <= 0 || xSrc < 0 || ySrc < 0 || xSrc > bitmap->width - nSrcWidth ||
        ySrc > bitmap->height - nSrcHeight || !FarCorner(x, y, nWidth, nHeight, end))
        return FALSE;
    DcOutput output;
    output.call = DcOutput::StretchBlt;
    output.logical = {POINT{x, y}, end};
    output.device = ToDevice(output.logical.data(), 2);
    output.source = RECT{xSrc, ySrc, xSrc + nSrcWidth, ySrc + nSrcHeight};
    output.pixels = bitmap->colors.data();
    output.rowLength = static_cast<size_t>(bitmap->width);
    Output(output);
    return TRUE;
}

CPalette* CDC::SelectPalette(CPalette* pPalette, BOOL bForceBackground) { return std::exchange(m_palette, pPalette); }

BOOL CDC::SetPixelV(int x, int y, COLORREF crColor)
{
    Emit(DcOutput::SetPixelV, {POINT{x, y}}, CString(), crColor);
    return TRUE;
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    POINT end;
    if (dwRop != PATCOPY || !FarCorner(x, y, nWidth, nHeight, end))
        return FALSE;
    if (m_brush->style == BS_SOLID) {
        RECT area{x, y, end.x, end.y};
        LPtoDP(&area);
        FillSolid(area, m_brush->color);
    }
    return TRUE;
}

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    const LOGFONT& font = m_font->font;
    // 12 points stands for lfHeight 0, as a size in device units taken back to logical ones.
    LONG em = font.lfHeight < 0   ? AfxRoundToLong(-double(font.lfHeight))
              : font.lfHeight > 0 ? font.lfHeight
                                  : AfxRoundToLong(m_device.dpi / 6.0 / std::abs(m_mapping.ScaleY()));
    TEXTMETRIC metrics{};
    metrics.tmHeight = em;
    metrics.tmAscent = AfxRoundToLong(em * AscentShare(font));
    metrics.tmDescent = em - metrics.tmAscent;
    metrics.tmAveCharWidth = font.lfWidth > 0 ? font.lfWidth : AfxRoundToLong(em / 2.0);
    metrics.tmMaxCharWidth = AfxRoundToLong(2.0 * metrics.tmAveCharWidth);
    metrics.tmWeight = font.lfWeight > 0 ? font.lfWeight : FW_NORMAL;
    metrics.tmDigitizedAspectX = metrics.tmDigitizedAspectY = m_device.dpi;
    metrics.tmFirstChar = 0x20;
    metrics.tmLastChar = 0xFC;
    metrics.tmDefaultChar = 0x81;
    metrics.tmBreakChar = 0x20;
    metrics.tmItalic = font.lfItalic;
    metrics.tmUnderlined = font.lfUnderline;
    metrics.tmStruckOut = font.lfStrikeOut;
    metrics.tmPitchAndFamily = font.lfPitchAndFamily;
    metrics.tmCharSet = font.lfCharSet;
    *lpMetrics = metrics;
    return TRUE;
}

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    TEXTMETRIC metrics;
    GetTextMetrics(&metrics);
    return CSize(lpszString ? AfxRoundToLong(double(std::max(nCount, 0)) * metrics.tmAveCharWidth) : 0,
                 metrics.tmHeight);
}

int CDC::StartDoc(LPDOCINFO lpDocInfo)
{
    if (!lpDocInfo || m_docState != NoDocument)
        return SP_ERROR;
    int job = OnStartDoc(*lpDocInfo);
    if (job > 0)
        m_docState = InDocument;
    return job > 0 ? job : SP_ERROR;
}

int CDC::StartDoc(LPCTSTR lpszDocName)
{
    DOCINFO info{sizeof(DOCINFO), lpszDocName, nullptr, nullptr, 0};
    return StartDoc(&info);
}

int CDC::StartPage()
{
    if (m_docState != InDocument)
        return SP_ERROR;
    int result = OnStartPage();
    if (result <= 0)
        return SP_ERROR;
    m_docState = InPage;
    ++m_pagesStarted;
    return result;
}

int CDC::EndPage()
{
    if (m_docState != InPage)
        return SP_ERROR;
    m_docState = InDocument;
    int result = OnEndPage();
    return result > 0 ? result : SP_ERROR;
}

int CDC::EndDoc()
{
    if (m_docState == InPage)
        EndPage();
    if (m_docState != InDocument)
        return SP_ERROR;
    m_docState = NoDocument;
    int result = OnEndDoc();
    return result > 0 ? result : SP_ERROR;
}

int CDC::AbortDoc()
{
    if (m_docState == NoDocument)
        return SP_ERROR;
    m_docState = NoDocument;
    OnAbortDoc();
    return 1;
}

BOOL CDC::ResetDC(const DEVMODE* lpDevMode)
{
    if (!lpDevMode || !m_device.printer || m_docState == InPage)
        return FALSE;
    if (lpDevMode->dmFields & DM_PAPERSIZE)
        m_paperSize = lpDevMode->dmPaperSize;
    if (lpDevMode->dmFields & DM_ORIENTATION)
        m_orientation = lpDevMode->dmOrientation == DMORIENT_LANDSCAPE ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    double width = 210, height = 297;
    if (m_paperSize == DMPAPER_B4) {
        width = 250;
        height = 354;
    } else if (m_paperSize == DMPAPER_A3) {
        width = 297;
        height = 420;
    }
    if (m_orientation == DMORIENT_LANDSCAPE)
        std::swap(width, height);
    SetDevice(AfxPaperDevice(TRUE, m_device.dpi, width, height, m_device.offset));
    OnResetDC();
    return TRUE;
}
