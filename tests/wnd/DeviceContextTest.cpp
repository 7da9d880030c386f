#include "tests/support/TestSupport.h"

#include "platform/wnd/CBitmap.h"
#include "platform/wnd/CBrush.h"
#include "platform/wnd/CFont.h"
#include "platform/wnd/CPen.h"
#include "platform/wnd/CRecordingDC.h"
#include "platform/wnd/CRect.h"

#include <climits>
#include <cstring>

namespace {

// A 600-dpi printer with A4 paper whose printable area starts 100 and 120 units into it.
DcDevice A4Printer() { return AfxPaperDevice(TRUE, 600, 210, 297, POINT{100, 120}); }

// The print library's page mapping: 0.1 mm units with y growing downwards, the logical origin on
// the paper's corner.
void SetPageMapping(CDC& dc)
{
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetMapMode(MM_ANISOTROPIC);
    CSize viewport = dc.GetViewportExt();
    dc.SetViewportExt(viewport.cx, -viewport.cy);
    dc.SetViewportOrg(-dc.GetDeviceCaps(PHYSICALOFFSETX), -dc.GetDeviceCaps(PHYSICALOFFSETY));
}

POINT ToDevice(const CDC& dc, POINT point)
{
    dc.LPtoDP(&point);
    return point;
}

POINT ToLogical(const CDC& dc, POINT point)
{
    dc.DPtoLP(&point);
    return point;
}

LOGFONT Font(LONG height, LONG width)
{
    LOGFONT font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    std::strcpy(font.lfFaceName, "ＭＳ 明朝");
    return font;
}

struct MappingCase {
    const char* name;
    void (*setUp)(CDC&);
    POINT logical;
    POINT device;
};

const MappingCase mappingCases[] = {
    {"text", [](CDC&) {}, {123, -45}, {123, -45}},
    {"lometric", [](CDC& dc) { dc.SetMapMode(MM_LOMETRIC); }, {100, 100}, {236, -236}},
    {"page", SetPageMapping, {200, 240}, {372, 447}},
    {"page origin", SetPageMapping, {0, 0}, {-100, -120}},
    {"twips", [](CDC& dc) { dc.SetMapMode(MM_TWIPS); }, {1440, -1440}, {600, 600}},
    {"twips half", [](CDC& dc) { dc.SetMapMode(MM_TWIPS); }, {720, -2880}, {300, 1200}},
};

TEST(DeviceContext, MapsLogicalPointsToDevicePointsAndBack)
{
    for (const MappingCase& c : mappingCases) {
        CRecordingDC dc(A4Printer());
        c.setUp(dc);
        POINT device = ToDevice(dc, c.logical);
        EXPECT_EQ(c.device.x, device.x) << c.name;
        EXPECT_EQ(c.device.y, device.y) << c.name;
        POINT logical = ToLogical(dc, c.device);
        EXPECT_EQ(c.logical.x, logical.x) << c.name;
        EXPECT_EQ(c.logical.y, logical.y) << c.name;
    }
}

TEST(DeviceContext, PageMappingGrowsDownwardsAndRoundsHalvesAwayFromZero)
{
    CRecordingDC dc(A4Printer());
    SetPageMapping(dc);
    EXPECT_EQ(MM_ANISOTROPIC, dc.GetMapMode());
    EXPECT_GT(ToDevice(dc, POINT{0, 10}).y, ToDevice(dc, POINT{0, 0}).y);

    CRecordingDC twips(A4Printer());
    twips.SetMapMode(MM_TWIPS);
    EXPECT_EQ(0, ToDevice(twips, POINT{1, 0}).x);   // 0.4166
    EXPECT_EQ(1, ToDevice(twips, POINT{3, 0}).x);   // 1.25
    EXPECT_EQ(-1, ToDevice(twips, POINT{-2, 0}).x); // -0.833
    twips.SetMapMode(MM_ANISOTROPIC);
    twips.SetWindowExt(2, 2);
    twips.SetViewportExt(1, 1);
    EXPECT_EQ(2, ToDevice(twips, POINT{3, 0}).x);   // 1.5
    EXPECT_EQ(-2, ToDevice(twips, POINT{-3, 0}).x); // -1.5
}

TEST(DeviceContext, ExtentsChangeOnlyInTheScalableModes)
{
    CRecordingDC dc(A4Printer());
    dc.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(CSize(254, 254), dc.SetWindowExt(1, 1));
    EXPECT_EQ(CSize(254, 254), dc.GetWindowExt());
    EXPECT_EQ(CSize(600, -600), dc.GetViewportExt());
    EXPECT_EQ(MM_LOMETRIC, dc.SetMapMode(MM_ANISOTROPIC));
    EXPECT_EQ(CSize(254, 254), dc.GetWindowExt());
    EXPECT_EQ(CSize(600, -600), dc.SetViewportExt(600, 600));
    EXPECT_EQ(CSize(600, 600), dc.SetViewportExt(0, 5));
    EXPECT_EQ(CSize(600, 600), dc.GetViewportExt());
    EXPECT_EQ(0, dc.SetMapMode(42));
    EXPECT_EQ(MM_ANISOTROPIC, dc.SetMapMode(MM_TEXT));
    EXPECT_EQ(CSize(1, 1), dc.GetViewportExt());
}

TEST(DeviceContext, DescribesTheDeviceAndItsPrintableArea)
{
    CRecordingDC dc(A4Printer());
    EXPECT_EQ(600, dc.GetDeviceCaps(LOGPIXELSX));
    EXPECT_EQ(600, dc.GetDeviceCaps(LOGPIXELSY));
    EXPECT_EQ(4961, dc.GetDeviceCaps(PHYSICALWIDTH));
    EXPECT_EQ(7016, dc.GetDeviceCaps(PHYSICALHEIGHT));
    EXPECT_EQ(100, dc.GetDeviceCaps(PHYSICALOFFSETX));
    EXPECT_EQ(120, dc.GetDeviceCaps(PHYSICALOFFSETY));
    EXPECT_EQ(4761, dc.GetDeviceCaps(HORZRES));
    EXPECT_EQ(6776, dc.GetDeviceCaps(VERTRES));
    EXPECT_EQ(0, dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE);
    EXPECT_TRUE(dc.IsPrinting());

    CRect box;
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&box));
    EXPECT_EQ(CRect(0, 0, 4761, 6776), box);
    dc.SetMapMode(MM_LOMETRIC); // 4761 and 6776 × 254 / 600
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(0, -2869, 2015, 0), box);
    SetPageMapping(dc); // from the paper's corner: (100, 120) and (4861, 6896) × 254 / 600
    dc.GetClipBox(&box);
    EXPECT_EQ(CRect(42, 51, 2058, 2919), box);

    CRecordingDC screen(AfxPaperDevice(FALSE, 96, 100, 50));
    EXPECT_FALSE(screen.IsPrinting());
    EXPECT_EQ(0, screen.GetDeviceCaps(PHYSICALWIDTH));
    EXPECT_EQ(378, screen.GetDeviceCaps(HORZRES));
}

TEST(DeviceContext, TextMetricsFollowTheIpaFontsProportions)
{
    CRecordingDC dc(A4Printer());
    dc.SetMapMode(MM_TWIPS);
    LOGFONT twipsFont = Font(-200, 0), narrowFont = Font(-36, 16), cellFont = Font(25, 0);
    CFont twips;
    twips.CreateFontIndirect(&twipsFont);
    CFont* before = dc.SelectObject(&twips);
    TEXTMETRIC metrics;
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_EQ(200, metrics.tmHeight);
    EXPECT_EQ(176, metrics.tmAscent);
    EXPECT_EQ(24, metrics.tmDescent);
    EXPECT_EQ(0, metrics.tmInternalLeading);
    EXPECT_EQ(0, metrics.tmExternalLeading);
    EXPECT_EQ(100, metrics.tmAveCharWidth);
    EXPECT_EQ(CSize(300, 200), dc.GetTextExtent("本A", 3));

    CFont narrow;
    narrow.CreateFontIndirect(&narrowFont);
    dc.SelectObject(&narrow);
    EXPECT_EQ(CSize(480, 36), dc.GetTextExtent(CString("123456789012345678901234567890")));
    CFont cell;
    cell.CreateFontIndirect(&cellFont); // a cell height: the em itself, as there is no leading
    dc.SelectObject(&cell);
    dc.GetTextMetrics(&metrics);
    EXPECT_EQ(25, metrics.tmHeight);
    EXPECT_EQ(22, metrics.tmAscent);
    EXPECT_EQ(13, metrics.tmAveCharWidth);

    // The largest font that a layout can ask for: every measure held at the 32-bit limit.
    LOGFONT hugeFont = Font(INT32_MIN, INT32_MAX);
    CFont huge;
    huge.CreateFontIndirect(&hugeFont);
    dc.SelectObject(&huge);
    dc.GetTextMetrics(&metrics);
    EXPECT_EQ(INT32_MAX, metrics.tmHeight);
    EXPECT_EQ(INT32_MAX, metrics.tmMaxCharWidth);
    EXPECT_EQ(CSize(INT32_MAX, INT32_MAX), dc.GetTextExtent("AB", 2));
    EXPECT_EQ(CSize(INT32_MAX, INT32_MAX), dc.TabbedTextOut(0, 0, "A\tB", 3, 0, nullptr, 0));
    dc.SelectObject(before);
}

TEST(DeviceContext, SelectionHandsBackTheObjectReplacedAndStockObjectsLast)
{
    int objectsBefore = AfxGdiObjectCount();
    {
        CRecordingDC dc(A4Printer());
        CPen pen(PS_DASH, 15, RGB(1, 2, 3));
        CPen* stockPen = dc.SelectObject(&pen);
        ASSERT_NE(nullptr, stockPen);
        EXPECT_EQ(::GetStockObject(BLACK_PEN), stockPen->GetSafeHandle());
        EXPECT_EQ(&pen, dc.GetCurrentPen());
        EXPECT_EQ(&pen, dc.SelectObject(stockPen));
        EXPECT_EQ(nullptr, dc.SelectObject(static_cast<CPen*>(nullptr)));
        EXPECT_EQ(stockPen, dc.GetCurrentPen());

        CBrush* white = dc.GetCurrentBrush();
        EXPECT_EQ(::GetStockObject(WHITE_BRUSH), white->m_hObject);
        EXPECT_EQ(white, dc.SelectStockObject(NULL_BRUSH));
        EXPECT_EQ(BS_NULL, dc.GetState().brushStyle);
        EXPECT_FALSE(CGdiObject().DeleteObject());
        EXPECT_EQ(objectsBefore + 1, AfxGdiObjectCount());
    }
    EXPECT_EQ(objectsBefore, AfxGdiObjectCount());
    EXPECT_FALSE(::DeleteObject(::GetStockObject(WHITE_BRUSH)));
}

TEST(DeviceContext, PatternBrushTakesTheBitmapsTopLeftEightByEight)
{
    const WORD rows[8] = {0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa};
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, rows));
    CBrush brush;
    ASSERT_TRUE(brush.CreatePatternBrush(&bitmap));
    bitmap.DeleteObject();
    CRecordingDC dc(A4Printer());
    dc.SelectObject(&brush);
    DcState state = dc.GetState();
    EXPECT_EQ(UINT(BS_PATTERN), state.brushStyle);
    EXPECT_EQ(std::vector<BYTE>({0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa}),
              std::vector<BYTE>(state.brushRows, state.brushRows + 8));
    EXPECT_NE(std::string::npos, state.ToString().find("pattern 55 aa 55 aa 55 aa 55 aa"));

    CBitmap colour;
    EXPECT_FALSE(colour.CreateBitmap(8, 8, 1, 24, nullptr));
    CBitmap small;
    ASSERT_TRUE(small.CreateBitmap(4, 4, 1, 1, nullptr));
    CBrush none;
    EXPECT_FALSE(none.CreatePatternBrush(&small));
    EXPECT_EQ(nullptr, none.GetSafeHandle());
}

TEST(DeviceContext, ModesReturnThePreviousValue)
{
    CRecordingDC dc(A4Printer());
    EXPECT_EQ(R2_COPYPEN, dc.SetROP2(R2_MASKPEN));
    EXPECT_EQ(R2_MASKPEN, dc.SetROP2(R2_COPYPEN));
    EXPECT_EQ(0, dc.SetROP2(99));
    EXPECT_EQ(OPAQUE, dc.SetBkMode(TRANSPARENT));
    EXPECT_EQ(0, dc.SetBkMode(7));
    EXPECT_EQ(RGB(255, 255, 255), dc.SetBkColor(RGB(1, 1, 1)));
    EXPECT_EQ(RGB(0, 0, 0), dc.SetTextColor(RGB(2, 2, 2)));
    EXPECT_EQ(UINT(TA_TOP | TA_LEFT), dc.SetTextAlign(TA_BOTTOM));
    EXPECT_EQ(UINT(TA_BOTTOM), dc.GetTextAlign());
}

TEST(DeviceContext, RecordsCallsInLogicalAndDeviceUnitsWithTheirState)
{
    CRecordingDC dc(A4Printer());
    SetPageMapping(dc);
    CPen pen(PS_DOT, 5, RGB(255, 0, 0));
    dc.SelectObject(&pen);
    dc.SetROP2(R2_MASKPEN);
    EXPECT_EQ(CPoint(0, 0), dc.MoveTo(0, 0));
    EXPECT_TRUE(dc.LineTo(200, 240));
    const POINT triangle[] = {{0, 0}, {10, 0}, {0, 10}};
    EXPECT_TRUE(dc.Polygon(triangle, 3));
    EXPECT_FALSE(dc.Polyline(triangle, 1)); // draws nothing
    EXPECT_FALSE(dc.Polygon(triangle, 1));
    EXPECT_TRUE(dc.Ellipse(10, 20, 0, 0));
    EXPECT_TRUE(dc.TextOut(5, 6, "AB", 2));
    EXPECT_FALSE(dc.TextOut(5, 6, nullptr, 2));
    EXPECT_TRUE(dc.SetPixelV(1, 2, RGB(0, 0, 255)));
    EXPECT_EQ((std::vector<std::string>{"MoveTo(0,0)", "LineTo(200,240)", "Polygon(0,0 10,0 0,10)",
                                        "Ellipse(10,20,0,0)", "TextOut(5,6,\"AB\",2)", "SetPixelV(1,2,#0000ff)"}),
              dc.GetCalls());
    const DcRecord& line = dc.GetRecords()[1];
    EXPECT_EQ(-100, line.device[0].x);
    EXPECT_EQ(-120, line.device[0].y);
    EXPECT_EQ(372, line.device[1].x);
    EXPECT_EQ(447, line.device[1].y);
    EXPECT_EQ(PS_DOT, line.state.penStyle);
    EXPECT_EQ(5, line.state.penWidth);
    EXPECT_EQ(R2_MASKPEN, line.state.rop2);
    EXPECT_EQ(MM_ANISOTROPIC, line.state.mapMode);
    EXPECT_EQ(12, dc.GetPenDeviceWidth()); // 5 × 600 / 254
    EXPECT_EQ(CPoint(200, 240), dc.GetCurrentPosition());
    EXPECT_TRUE(dc.Polyline(triangle, 2));
    EXPECT_TRUE(dc.PatBlt(0, 0, 5, 5, PATCOPY));
    EXPECT_FALSE(dc.PatBlt(0, 0, 5, 5, 0x00CC0020));
    EXPECT_FALSE(dc.PatBlt(INT_MAX - 4, 0, 5, 5, PATCOPY)); // its far corner lies beyond int
    EXPECT_FALSE(dc.PatBlt(0, INT_MAX - 4, 5, 5, PATCOPY));
}

TEST(DeviceContext, DocumentsRunInTurn)
{
    CRecordingDC dc(A4Printer());
    EXPECT_EQ(SP_ERROR, dc.StartPage());
    DOCINFO info{20, "job", nullptr, nullptr, 0};
    EXPECT_EQ(1, dc.StartDoc(&info));
    EXPECT_EQ(SP_ERROR, dc.StartDoc(&info));
    EXPECT_EQ(SP_ERROR, dc.EndPage());
    EXPECT_GT(dc.StartPage(), 0);
    EXPECT_GT(dc.EndPage(), 0);
    EXPECT_GT(dc.StartPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0); // ends the open page first
    dc.FailNextStartDoc();
    EXPECT_EQ(SP_ERROR, dc.StartDoc("failed"));
    EXPECT_EQ(2, dc.StartDoc("second"));
    EXPECT_GT(dc.AbortDoc(), 0);
    EXPECT_EQ(SP_ERROR, dc.AbortDoc());
    EXPECT_EQ((std::vector<std::string>{"StartDoc job", "StartPage", "EndPage", "StartPage", "EndPage", "EndDoc",
                                        "StartDoc second", "AbortDoc"}),
              dc.GetCalls());
}

} // namespace
