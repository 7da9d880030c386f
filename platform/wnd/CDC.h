// A device context: the GDI state of one drawing surface (the mapping, the current position,
// the selected pen, brush and font, the modes and colours, the area to draw on and the device's
// description) and the GDI calls that the system's window code and print library make, with
// MFC's names and signatures. The calls map their logical coordinates to device coordinates and
// hand each output to Output, in device units, for a back end to draw; this base draws nothing.
// A new context is a 96-dpi screen in MM_TEXT with the white brush, the black pen and the system
// font selected, R2_COPYPEN, OPAQUE, black text on white and TA_TOP | TA_LEFT.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/wnd/CPoint.h"
#include "platform/wnd/CSize.h"
#include "platform/wnd/DcMapping.h"
#include "platform/wnd/WinGdi.h"

#include <vector>

class CBitmap;
class CBrush;
class CFont;
class CPalette;
class CGdiObject;
class CPen;

#define PATCOPY 0x00F00021
#define NULLREGION 1
#define SIMPLEREGION 2

// What a device context draws on: a printer or a screen, its resolution, the paper (a screen's
// whole area) and the offset of the printable area from the paper's corner, in device units.
// The printable area is the paper less the offsets on every side. The paper's size in
// millimetres, when known, is its exact size (a PDF page's).
struct DcDevice {
    BOOL printer = FALSE;
    int dpi = 96;
    SIZE paper{0, 0};
    POINT offset{0, 0};
    double paperMm[2] = {0, 0};
};

// A paper of that size in millimetres at dpi, its sides rounded to device units.
DcDevice AfxPaperDevice(BOOL printer, int dpi, double widthMm, double heightMm, POINT offset = POINT{0, 0});

// One drawing call as a back end receives it: the call, its logical arguments, the same points
// in device units (LineTo: the current position, then the end; Ellipse: its two corners), the
// text's bytes and, for SetPixelV, the colour.
struct DcOutput {
    enum Call { MoveTo, LineTo, Polyline, Polygon, Ellipse, TextOut, SetPixelV, StretchBlt };
    Call call = MoveTo;
    std::vector<POINT> logical;
    std::vector<POINT> device;
    CString text;
    COLORREF color = 0;
    // StretchBlt: the destination's corners (logical and device), the source rectangle of the
    // bitmap, and the bitmap's pixels as they are (0xRRGGBB, top row first, rowLength to a row),
    // valid while Output runs.
    RECT source{0, 0, 0, 0};
    const uint32_t* pixels = nullptr;
    size_t rowLength = 0;

    // Row y of the source rectangle (0 its top): source.right - source.left pixels.
    const uint32_t* SourceRow(int y) const
    {
        return pixels + (static_cast<size_t>(source.top) + y) * rowLength + source.left;
    }
};

class CDC : public CObject {
public:
    DECLARE_DYNAMIC(CDC)
    CDC();
    ~CDC() override = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // The device; the clip box becomes its printable area.
    void SetDevice(const DcDevice& device);
    const DcDevice& GetDevice() const { return m_device; }
    BOOL IsPrinting() const { return m_device.printer; }
    int GetDeviceCaps(int nIndex) const;

    // Each returns the previous value.
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);
    // Every mode is kept; a back end draws R2_COPYPEN and R2_MASKPEN, and any other as R2_COPYPEN.
    int SetROP2(int nDrawMode);
    UINT SetTextAlign(UINT nFlags);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF GetBkColor() const { return m_bkColor; }
    int GetBkMode() const { return m_bkMode; }
    int GetROP2() const { return m_rop2; }
    UINT GetTextAlign() const { return m_textAlign; }

    // Each selects an object and returns the one it replaces; null selects nothing and gives null.
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectObject(CGdiObject* pObject);
    CGdiObject* SelectStockObject(int nIndex);
    CPen* GetCurrentPen() const;
    CBrush* GetCurrentBrush() const;
    CFont* GetCurrentFont() const;
    HPEN GetPenHandle() const { return m_pen; }
    HBRUSH GetBrushHandle() const { return m_brush; }
    HFONT GetFontHandle() const { return m_font; }
    // The pen's width in device units: 0 and every width that maps below one unit are one unit.
    int GetPenDeviceWidth() const;

    // The mapping (DcMapping).
    int SetMapMode(int nMapMode);
    int GetMapMode() const { return m_mapping.GetMapMode(); }
    CSize SetWindowExt(int cx, int cy);
    CSize SetViewportExt(int cx, int cy);
    CPoint SetWindowOrg(int x, int y);
    CPoint SetViewportOrg(int x, int y);
    CSize GetWindowExt() const { return m_mapping.GetWindowExt(); }
    CSize GetViewportExt() const { return m_mapping.GetViewportExt(); }
    CPoint GetWindowOrg() const { return m_mapping.GetWindowOrg(); }
    CPoint GetViewportOrg() const { return m_mapping.GetViewportOrg(); }
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;
    const DcMapping& GetMapping() const { return m_mapping; }

    // The area to draw on in logical coordinates, normalised; SIMPLEREGION, or NULLREGION when
    // it is empty.
    int GetClipBox(LPRECT lpRect) const;
    // The area to draw on, in device units (a window's paint area).
    void SetClipBox(const RECT& rect) { m_clipBox = rect; }
    const RECT& GetDeviceClipBox() const { return m_clipBox; }

    // Drawing, in logical coordinates. MoveTo returns the previous position.
    CPoint MoveTo(int x, int y);
    CPoint GetCurrentPosition() const { return m_position; }
    BOOL LineTo(int x, int y);
    BOOL Polyline(const POINT* lpPoints, int nCount);
    BOOL Polygon(const POINT* lpPoints, int nCount);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
    // The text's CP932 bytes, nCount of them.
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
    // The text with its tabs expanded: each run between tabs drawn by TextOut. Without tab stops
    // there is a stop every eight average character widths from nTabOrigin; one stop gives that
    // spacing; more are positions from nTabOrigin, past the last of which a tab advances one
    // average width. The text's width and height.
    CSize TabbedTextOut(int x, int y, LPCTSTR lpszString, int nCount, int nTabPositions, LPINT lpnTabStopPositions,
                        int nTabOrigin);
    BOOL SetPixelV(int x, int y, COLORREF crColor);
    // A memory device context like pDC's device (a screen's without one), for a bitmap to be
    // selected into and copied from.
    BOOL CreateCompatibleDC(CDC* pDC);
    // Copies the source rectangle of the colour bitmap selected into pSrcDC to the destination,
    // stretched; SRCCOPY only. FALSE without such a bitmap or with an empty or outside rectangle.
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    // The devices report no palette capability (RASTERCAPS): a palette is kept and changes nothing.
    CPalette* SelectPalette(CPalette* pPalette, BOOL bForceBackground);
    UINT RealizePalette() { return 0; }
    // PATCOPY fills the rectangle with the selected solid brush. Other operations are not
    // supported and give FALSE.
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);

    // The selected font's metrics in logical units: the em from lfHeight (its size below 0, the
    // cell above 0, 12 points for 0), the ascent its share of the em rounded, the descent the
    // rest, no leading; the average width lfWidth, or half the em when that is 0. Each is held at
    // the 32-bit limit, however large the font.
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;
    // Every byte of the text advances the average width (a double-byte character two of them),
    // held at the 32-bit limit; the height is the cell's.
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

    // A document of pages. StartDoc gives a job number above 0, or SP_ERROR when the output
    // cannot be made or a document is open already; the page calls give a value above 0, or
    // SP_ERROR outside a document or out of turn.
    int StartDoc(LPDOCINFO lpDocInfo);
    int StartDoc(LPCTSTR lpszDocName);
    int StartPage();
    int EndPage();
    int EndDoc();
    int AbortDoc();
    // The pages started on this device context so far: what tells one page's drawing from the
    // next page's.
    int GetPagesStarted() const { return m_pagesStarted; }
    // The paper and orientation of the pages that follow, from the fields that dmFields names
    // (DMPAPER_A4, DMPAPER_B4 or DMPAPER_A3; any other paper is A4); on a printer only, and not
    // inside a page. Null or another device: FALSE and nothing changes.
    BOOL ResetDC(const DEVMODE* lpDevMode);
    // The paper and orientation in force.
    short GetPaperSize() const { return m_paperSize; }
    short GetOrientation() const { return m_orientation; }

protected:
    // A back end draws each call; the state in force is the context's.
    virtual void Output(const DcOutput& output) {}
    virtual void FillSolid(const RECT& rect, COLORREF crColor) {}
    // The document events of a back end: a job number or SP_ERROR, above 0 or SP_ERROR.
    virtual int OnStartDoc(const DOCINFO& info) { return ++m_jobs; }
    virtual int OnStartPage() { return 1; }
    virtual int OnEndPage() { return 1; }
    virtual int OnEndDoc() { return 1; }
    virtual void OnAbortDoc() {}
    // The device has changed its paper (ResetDC): the pages that follow are of that size.
    virtual void OnResetDC() {}
    // The ascent's share of the em in the font: the IPA fonts' 0.88 unless a back end knows better.
    virtual double AscentShare(const LOGFONT& font) const { return 0.88; }

private:
    HGDIOBJ Select(HGDIOBJ object);
    std::vector<POINT> ToDevice(const POINT* points, int count) const;
    void Emit(DcOutput::Call call, std::vector<POINT> logical, const CString& text = CString(), COLORREF color = 0);

    DcDevice m_device;
    DcMapping m_mapping;
    RECT m_clipBox{0, 0, 0, 0};
    CPoint m_position;
    HPEN m_pen;
    HBRUSH m_brush;
    HFONT m_font;
    HBITMAP m_bitmap = nullptr;
    CPalette* m_palette = nullptr;
    COLORREF m_textColor = RGB(0, 0, 0);
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_bkMode = OPAQUE;
    int m_rop2 = R2_COPYPEN;
    UINT m_textAlign = TA_TOP | TA_LEFT;
    enum { NoDocument, InDocument, InPage } m_docState = NoDocument;
    int m_jobs = 0;
    int m_pagesStarted = 0;
    short m_paperSize = DMPAPER_A4;
    short m_orientation = DMORIENT_PORTRAIT;
};
