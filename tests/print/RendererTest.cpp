#include "tests/print/PrintTestSupport.h"

#include "platform/wnd/CRecordingDC.h"
#include "print/VhDrawCircle.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawPolygon.h"
#include "print/VhDrawPolyline.h"
#include "print/VhDrawRect.h"
#include "print/VhDrawTables.h"

#include <cstring>
#include <functional>
#include <limits>

using namespace printtest;

namespace {

typedef std::vector<std::string> Calls;

// A 600-dpi A4 printer whose printable area starts at (100, 120), in MM_TEXT.
DcDevice Printer() { return AfxPaperDevice(TRUE, 600, 210, 297, POINT{100, 120}); }

// A screen of 40 × 40 units.
DcDevice Screen()
{
    DcDevice device;
    device.paper = SIZE{40, 40};
    return device;
}

// A printer of 40 × 40 units.
DcDevice SmallPrinter()
{
    DcDevice device;
    device.printer = TRUE;
    device.dpi = 600;
    device.paper = SIZE{40, 40};
    return device;
}

// The calls that drawing draw makes on a new device context of that device, and its result.
struct Drawn {
    int result;
    Calls calls;
    std::vector<DcRecord> records;
};

Drawn DrawOn(const DcDevice& device, const VhDraw& draw, const VhTrans* trans = nullptr,
             const std::function<void(CDC&)>& setUp = {})
{
    CRecordingDC dc(device);
    if (setUp)
        setUp(dc);
    VhDrawImp imp(&dc);
    int result = draw.Draw(&imp, trans);
    return Drawn{result, dc.GetCalls(), dc.GetRecords()};
}

// y grows upwards: 0.1 mm units.
void Upwards(CDC& dc) { dc.SetMapMode(MM_LOMETRIC); }

VhDrawLine Line(VhPoint a, VhPoint b)
{
    VhDrawLine line;
    line.GetShape().SetEnd1(a);
    line.GetShape().SetEnd2(b);
    return line;
}

VhDrawRect Rect(VhPoint a, VhPoint b, int hatch = VhDraw::NoHatch)
{
    VhDrawRect rect;
    rect.GetShape().SetCorners(a, b);
    rect.SetHatch(hatch);
    return rect;
}

template <class Draw> Draw Chain(std::initializer_list<VhPoint> points, int hatch = VhDraw::NoHatch)
{
    Draw draw;
    for (const VhPoint& point : points)
        draw.GetShape().AddPoint(point);
    draw.SetHatch(hatch);
    return draw;
}

VhDrawCircle Circle(VhPoint centre, double radius, int hatch = VhDraw::NoHatch)
{
    VhDrawCircle circle;
    circle.GetShape().SetCentre(centre);
    circle.GetShape().SetRadius(radius);
    circle.SetHatch(hatch);
    return circle;
}

// Height 10, shape code 0 (the width follows the height), alignment 0 unless changed.
VhDrawString Text(VhPoint position, const char* text, int shape = 0, int alignment = 0)
{
    VhDrawString draw;
    VhFigureString& figure = draw.GetShape();
    figure.SetPosition(position);
    figure.SetText(text);
    figure.SetHeight(10);
    figure.SetShape(shape);
    figure.SetAlignment(alignment);
    return draw;
}

VhDrawGrid Grid(VhPoint pitch, int style)
{
    VhDrawGrid grid;
    grid.GetShape().SetPitch(pitch);
    grid.GetShape().SetStyle(style);
    return grid;
}

VhTrans Scaling(double sx, double sy)
{
    VhTrans trans;
    trans.Scale(sx, sy, 1);
    return trans;
}

TEST(Renderer, LinesAreClippedToTheCoordinateRange)
{
    Drawn wide = DrawOn(Printer(), Line(VhPoint(-10000, 0), VhPoint(10000, 0)));
    EXPECT_EQ(1, wide.result);
    EXPECT_EQ((Calls{"MoveTo(-8191,0)", "LineTo(8191,0)"}), wide.calls);
    Drawn outside = DrawOn(Printer(), Line(VhPoint(9000, 0), VhPoint(10000, 5)));
    EXPECT_EQ(0, outside.result);
    EXPECT_EQ(Calls{}, outside.calls);
    VhDrawImp noDevice;
    EXPECT_EQ(0, Line(VhPoint(0, 0), VhPoint(1, 1)).Draw(&noDevice, nullptr));
}

TEST(Renderer, RectanglesAreOutlinedFilledOrClippedSideBySide)
{
    Drawn outline = DrawOn(Printer(), Rect(VhPoint(10, 20), VhPoint(110, 70)));
    EXPECT_EQ(1, outline.result);
    EXPECT_EQ((Calls{"MoveTo(10,20)", "LineTo(110,20)", "LineTo(110,70)", "LineTo(10,70)", "LineTo(10,20)"}),
              outline.calls);

    Drawn filled = DrawOn(Printer(), Rect(VhPoint(10, 20), VhPoint(110, 70), 17));
    ASSERT_EQ((Calls{"Polygon(10,20 110,20 110,70 10,70)"}), filled.calls);
    const DcState& state = filled.records[0].state;
    EXPECT_EQ(UINT(BS_PATTERN), state.brushStyle);
    EXPECT_EQ(std::vector<BYTE>({0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa, 0x55, 0xaa}),
              std::vector<BYTE>(state.brushRows, state.brushRows + 8));
    EXPECT_EQ(RGB(0, 0, 0), state.textColor);
    EXPECT_EQ(R2_MASKPEN, state.rop2);
    EXPECT_EQ(TRANSPARENT, state.bkMode);

    Drawn clipped = DrawOn(Printer(), Rect(VhPoint(10, 20), VhPoint(9000, 70), 3));
    EXPECT_EQ(1, clipped.result);
    EXPECT_EQ((Calls{"MoveTo(10,20)", "LineTo(8191,20)", "MoveTo(8191,70)", "LineTo(10,70)", "MoveTo(10,70)",
                     "LineTo(10,20)"}),
              clipped.calls);
}

TEST(Renderer, PolylinesAreOneCallInsideTheRangeAndClippedSegmentsOutside)
{
    Drawn inside = DrawOn(Printer(), Chain<VhDrawPolyline>({{0, 0}, {50, 50}, {100, 0}}));
    EXPECT_EQ(1, inside.result);
    EXPECT_EQ((Calls{"Polyline(0,0 50,50 100,0)"}), inside.calls);

    VhDrawPolyline long_;
    for (int i = 0; i < 1000; ++i)
        long_.GetShape().AddPoint(VhPoint(i, i % 7));
    Drawn many = DrawOn(Printer(), long_);
    ASSERT_EQ(1u, many.records.size());
    EXPECT_EQ(1000u, many.records[0].logical.size());

    Drawn outside = DrawOn(Printer(), Chain<VhDrawPolyline>({{0, 0}, {50, 50}, {9000, 0}}));
    EXPECT_EQ(1, outside.result);
    EXPECT_EQ((Calls{"MoveTo(0,0)", "LineTo(50,50)", "MoveTo(50,50)", "LineTo(8191,5)"}), outside.calls);
    EXPECT_EQ(0, DrawOn(Printer(), Chain<VhDrawPolyline>({{0, 0}})).result);
}

TEST(Renderer, PolygonsNeedThreePointsAndCloseTheirOutline)
{
    Drawn two = DrawOn(Printer(), Chain<VhDrawPolygon>({{0, 0}, {50, 50}}, 17));
    EXPECT_EQ(0, two.result);
    EXPECT_EQ(Calls{}, two.calls);
    Drawn outline = DrawOn(Printer(), Chain<VhDrawPolygon>({{0, 0}, {50, 50}, {100, 0}}));
    EXPECT_EQ((Calls{"MoveTo(0,0)", "LineTo(50,50)", "LineTo(100,0)", "LineTo(0,0)"}), outline.calls);
    Drawn filled = DrawOn(Printer(), Chain<VhDrawPolygon>({{0, 0}, {50, 50}, {100, 0}}, 64));
    EXPECT_EQ((Calls{"Polygon(0,0 50,50 100,0)"}), filled.calls);
    Drawn clipped = DrawOn(Printer(), Chain<VhDrawPolygon>({{0, 0}, {9000, 0}, {0, 100}}, 64));
    EXPECT_EQ(
        (Calls{"MoveTo(0,0)", "LineTo(8191,0)", "MoveTo(8191,9)", "LineTo(0,100)", "MoveTo(0,100)", "LineTo(0,0)"}),
        clipped.calls);
}

TEST(Renderer, CirclesTakeTheirRadiusAlongYAndTruncate)
{
    VhTrans doubleX = Scaling(0.5, 1);
    Drawn scaled = DrawOn(Printer(), Circle(VhPoint(100, 100), 50), &doubleX);
    EXPECT_EQ(1, scaled.result);
    EXPECT_EQ((Calls{"Ellipse(150,150,250,50)"}), scaled.calls);
    EXPECT_EQ((Calls{"Ellipse(5,25,16,14)"}), DrawOn(Printer(), Circle(VhPoint(10.7, 20.2), 5.5)).calls);
    EXPECT_EQ(0, DrawOn(Printer(), Circle(VhPoint(0, 0), 0)).result);
    VhTrans flatY = Scaling(1, std::numeric_limits<double>::infinity());
    EXPECT_EQ(Calls{}, DrawOn(Printer(), Circle(VhPoint(0, 0), 5), &flatY).calls);
}

TEST(Renderer, PensFollowTheLineTypeAndTheDevicesWidthTable)
{
    const int styles[][2] = {{0, PS_SOLID},      {1, PS_DASH},    {2, PS_DOT},        {3, PS_DASHDOT},
                             {4, PS_DASHDOT},    {5, PS_DASHDOT}, {6, PS_DASHDOTDOT}, {7, PS_DASHDOTDOT},
                             {8, PS_DASHDOTDOT}, {9, PS_NULL},    {-1, PS_NULL}};
    for (const auto& style : styles) {
        VhDrawLine line = Line(VhPoint(0, 0), VhPoint(1, 1));
        line.SetLineType(style[0]);
        EXPECT_EQ(style[1], DrawOn(Printer(), line).records[0].state.penStyle) << "line type " << style[0];
    }
    const int printer[] = {1, 5, 15, 30, 50, 0}, screen[] = {1, 2, 3, 4, 5, 0};
    for (int index = 0; index < 6; ++index) {
        VhDrawLine line = Line(VhPoint(0, 0), VhPoint(1, 1));
        line.SetLineWidth(index);
        line.SetColor(7);
        Drawn onPrinter = DrawOn(Printer(), line), onScreen = DrawOn(Screen(), line);
        EXPECT_EQ(printer[index], onPrinter.records[0].state.penWidth) << "width index " << index;
        EXPECT_EQ(screen[index], onScreen.records[0].state.penWidth) << "width index " << index;
        EXPECT_EQ(RGB(0, 0, 0), onPrinter.records[0].state.penColor);
    }
}

TEST(Renderer, TextsGetTheirFontAndStandOnTheBottomLeftOfTheirBox)
{
    Drawn plain = DrawOn(Printer(), Text(VhPoint(100, 50), "AB"));
    EXPECT_EQ(1, plain.result);
    ASSERT_EQ((Calls{"TextOut(100,50,\"AB\",2)"}), plain.calls);
    const DcState& state = plain.records[0].state;
    EXPECT_EQ(-10, state.font.lfHeight);
    EXPECT_EQ(0, state.font.lfWidth);
    EXPECT_EQ(0, state.font.lfEscapement);
    EXPECT_EQ(0, state.font.lfWeight);
    EXPECT_EQ(DEFAULT_CHARSET, state.font.lfCharSet);
    EXPECT_EQ(FIXED_PITCH, state.font.lfPitchAndFamily);
    EXPECT_STREQ("ＭＳ 明朝", state.font.lfFaceName);
    EXPECT_EQ(UINT(TA_LEFT | TA_BOTTOM), state.textAlign);

    EXPECT_EQ(3, DrawOn(Printer(), Text(VhPoint(100, 50), "AB", 7)).records[0].state.font.lfWidth);
    VhDrawString styled = Text(VhPoint(100, 50), "AB");
    styled.m_fontStyle = 0x209;
    const LOGFONT bold = DrawOn(Printer(), styled).records[0].state.font;
    EXPECT_EQ(FW_BOLD, bold.lfWeight);
    EXPECT_EQ(1, bold.lfUnderline);
    EXPECT_EQ(1, bold.lfStrikeOut);
    EXPECT_EQ(0, bold.lfItalic);

    EXPECT_EQ((Calls{"TextOut(95,60,\"AB\",2)"}), DrawOn(Printer(), Text(VhPoint(100, 50), "AB", 0, 3)).calls);
    EXPECT_EQ((Calls{"TextOut(95,40,\"AB\",2)"}),
              DrawOn(Printer(), Text(VhPoint(100, 50), "AB", 0, 3), nullptr, Upwards).calls);

    VhDrawString turned = Text(VhPoint(100, 50), "AB");
    turned.GetShape().SetAngle(VhGetPi() / 2);
    EXPECT_EQ(-900, DrawOn(Printer(), turned).records[0].state.font.lfEscapement);
    EXPECT_EQ(900, DrawOn(Printer(), turned, nullptr, Upwards).records[0].state.font.lfEscapement);
    EXPECT_EQ(0, DrawOn(Printer(), Text(VhPoint(100, 50), "")).result);
}

TEST(Renderer, GridLinesCoverTheClipBoxAndEndOneUnitShort)
{
    VhTrans magnify = Scaling(0.25, 0.25);
    Drawn lines = DrawOn(Screen(), Grid(VhPoint(2, 2), 3), &magnify);
    EXPECT_EQ(1, lines.result);
    Calls expected;
    for (int j = 0; j <= 5; ++j)
        expected.insert(expected.end(),
                        {"MoveTo(0," + std::to_string(8 * j) + ")", "LineTo(44," + std::to_string(8 * j) + ")"});
    for (int i = 0; i <= 5; ++i)
        expected.insert(expected.end(),
                        {"MoveTo(" + std::to_string(8 * i) + ",0)", "LineTo(" + std::to_string(8 * i) + ",44)"});
    EXPECT_EQ(expected, lines.calls);
    Drawn dense = DrawOn(Screen(), Grid(VhPoint(1, 1), 3), &magnify);
    EXPECT_EQ(0, dense.result);
    EXPECT_EQ(Calls{}, dense.calls);
}

// A grid whose own transform shears it (Y row 1000, 1, 0) spreads the clip box over thousands of
// nodes though its axes pass the density check: it draws nothing, as a dense grid does. Turned to
// any angle, a grid just sparser than the limit still draws.
TEST(Renderer, ShearedGridsThatWouldDrawMoreThanTheClipBoxShowsDrawNothing)
{
    VhTrans shear;
    shear.SetAt(1, 0, 1000);
    for (int style : {0, 3}) {
        VhDrawGrid sheared = Grid(VhPoint(6, 6), style);
        sheared.SetTrans(&shear);
        Drawn drawn = DrawOn(Screen(), sheared);
        EXPECT_EQ(0, drawn.result) << "style " << style;
        EXPECT_EQ(Calls{}, drawn.calls) << "style " << style;
    }
    VhDrawGrid turned = Grid(VhPoint(5.01, 5.01), 0);
    for (int degrees = 0; degrees < 360; degrees += 15) {
        turned.GetShape().SetAngle(degrees * VhGetPi() / 180);
        EXPECT_EQ(1, DrawOn(Screen(), turned).result) << degrees << " degrees";
    }
}

// The calls that each drawable makes in turn through one renderer; each reports something drawn
// exactly when it made calls.
std::vector<size_t> CallsOfEach(CRecordingDC& dc, VhDrawImp& imp, const std::vector<const VhDraw*>& draws,
                                const VhTrans* trans)
{
    std::vector<size_t> calls;
    for (const VhDraw* draw : draws) {
        size_t before = dc.GetRecords().size();
        int result = draw->Draw(&imp, trans);
        calls.push_back(dc.GetRecords().size() - before);
        EXPECT_EQ(calls.back() > 0, result == 1);
    }
    return calls;
}

std::vector<const VhDraw*> Times(int count, const VhDraw& draw) { return std::vector<const VhDraw*>(count, &draw); }

// The grids of one page share a budget of (diagonal / 5 + 2)^2 marks or lines, 144 on 30 x 40
// units, and each is drawn whole or not at all. Of grids of 10 lines and of 4 x 6 marks: eleven of
// lines (110), one of marks (134); one of marks no more, but one of lines still (144); then none.
// Of five grids turned 45 degrees at the density limit the first is drawn as it is alone, the
// others nothing. A page started on the device context has the whole budget again.
TEST(Renderer, GridsOfOnePageShareABudgetAndEachIsDrawnWholeOrNotAtAll)
{
    DcDevice screen30x40 = Screen();
    screen30x40.paper = SIZE{30, 40};
    EXPECT_EQ(144.0, VhDrawImp::GridBudget(RECT{0, 0, 30, 40}));
    VhTrans magnify = Scaling(0.25, 0.25);
    const VhDrawGrid marks = Grid(VhPoint(2, 2), 0), lines = Grid(VhPoint(2, 2), 3);
    std::vector<const VhDraw*> grids = Times(11, lines);
    for (const VhDraw* grid : {&marks, &marks, &lines, &lines})
        grids.push_back(grid);
    CRecordingDC screen(screen30x40);
    VhDrawImp imp(&screen);
    std::vector<size_t> expected(11, 20);
    expected.insert(expected.end(), {24, 0, 20, 0});
    EXPECT_EQ(expected, CallsOfEach(screen, imp, grids, &magnify));

    VhDrawGrid turned = Grid(VhPoint(5.01, 5.01), 0);
    turned.GetShape().SetAngle(VhGetPi() / 4);
    const size_t alone = DrawOn(Screen(), turned).calls.size();
    EXPECT_GT(alone, 0u);
    CRecordingDC turnedScreen(Screen());
    VhDrawImp turnedImp(&turnedScreen);
    EXPECT_EQ((std::vector<size_t>{alone, 0, 0, 0, 0}),
              CallsOfEach(turnedScreen, turnedImp, Times(5, turned), nullptr));

    // On a printer a mark is four calls.
    CRecordingDC printer(SmallPrinter());
    VhDrawImp printerImp(&printer);
    printer.StartDoc("grids");
    for (int page = 1; page <= 2; ++page) {
        printer.StartPage();
        EXPECT_EQ((std::vector<size_t>{144, 144, 144, 144, 0}),
                  CallsOfEach(printer, printerImp, Times(5, marks), &magnify))
            << "page " << page;
        printer.EndPage();
    }
    printer.EndDoc();
}

// A page of ordinary grids on the A4 printer (marks every 5 mm, lines every 10 mm, diamonds every
// 20 mm turned 30 degrees) draws each as it is drawn alone.
TEST(Renderer, OrdinaryGridsOfOnePageAreAllDrawn)
{
    const double millimetre = 600 / 25.4;
    VhDrawComposition page;
    page.Add(Grid(VhPoint(5 * millimetre, 5 * millimetre), 1).Clone());
    page.Add(Grid(VhPoint(10 * millimetre, 10 * millimetre), 3).Clone());
    VhDrawGrid turned = Grid(VhPoint(20 * millimetre, 20 * millimetre), 2);
    turned.GetShape().SetAngle(VhGetPi() / 6);
    page.Add(turned.Clone());
    Calls alone;
    for (POSITION pos = page.GetChildren().GetHeadPosition(); pos;) {
        Calls calls = DrawOn(Printer(), *static_cast<VhDraw*>(page.GetChildren().GetNext(pos))).calls;
        EXPECT_GE(calls.size(), 100u);
        alone.insert(alone.end(), calls.begin(), calls.end());
    }
    EXPECT_EQ(alone, DrawOn(Printer(), page).calls);
}

TEST(Renderer, GridMarksArePixelsOnAScreenAndStrokesOnAPrinter)
{
    VhTrans magnify = Scaling(0.25, 0.25);
    const size_t pixelsPerNode[] = {1, 4, 5}, callsPerNode[] = {4, 4, 5};
    for (int style = 0; style < 3; ++style) {
        VhDrawGrid grid = Grid(VhPoint(2, 2), style);
        Drawn screen = DrawOn(Screen(), grid, &magnify);
        EXPECT_EQ(36 * pixelsPerNode[style], screen.calls.size()) << "style " << style;
        Drawn printer = DrawOn(SmallPrinter(), grid, &magnify);
        EXPECT_EQ(36 * callsPerNode[style], printer.calls.size()) << "style " << style;
    }
    Drawn marks = DrawOn(Screen(), Grid(VhPoint(2, 2), 1), &magnify);
    EXPECT_EQ((Calls{"SetPixelV(1,0,#000000)", "SetPixelV(-1,0,#000000)", "SetPixelV(0,1,#000000)",
                     "SetPixelV(0,-1,#000000)"}),
              Calls(marks.calls.begin(), marks.calls.begin() + 4));
    EXPECT_EQ("SetPixelV(0,0,#000000)", DrawOn(Screen(), Grid(VhPoint(2, 2), 0), &magnify).calls[0]);
    Drawn diamond = DrawOn(SmallPrinter(), Grid(VhPoint(2, 2), 2), &magnify);
    EXPECT_EQ((Calls{"MoveTo(-3,0)", "LineTo(0,-3)", "LineTo(3,0)", "LineTo(0,3)", "LineTo(-3,0)"}),
              Calls(diamond.calls.begin(), diamond.calls.begin() + 5));
    EXPECT_EQ(0, DrawOn(Screen(), Grid(VhPoint(2, 2), 4), &magnify).result);
}

// A node whose mark cannot touch the clip box (0, 0)-(40, 40) draws no mark, however far off it
// lies: of a grid turned 45 degrees at a pitch of 1e10, whose other nodes round to the ends of int,
// only the mark at the origin is drawn. Near the box a mark is drawn wherever its ink may reach it:
// on a screen its pixels, on a printer its arm of 3 units and, about the strokes through the
// pixels' centres, half the pen's width (1 unit, or 50 at width index 4) and a pixel more where
// antialiasing may shade one.
TEST(Renderer, GridMarksThatCannotTouchTheClipBoxAreNotDrawn)
{
    VhDrawGrid huge = Grid(VhPoint(1e10, 1e10), 2);
    huge.GetShape().SetAngle(VhGetPi() / 4);
    EXPECT_EQ((Calls{"MoveTo(-3,0)", "LineTo(0,-3)", "LineTo(3,0)", "LineTo(0,3)", "LineTo(-3,0)"}),
              DrawOn(SmallPrinter(), huge).calls);
    EXPECT_EQ((Calls{"SetPixelV(0,0,#000000)", "SetPixelV(1,1,#000000)", "SetPixelV(-1,1,#000000)",
                     "SetPixelV(-1,-1,#000000)", "SetPixelV(1,-1,#000000)"}),
              DrawOn(Screen(), huge).calls);
    // A printed diamond about (x, 20).
    auto diamondAt = [](int x) {
        auto call = [](const char* name, int x, int y) {
            return std::string(name) + "(" + std::to_string(x) + "," + std::to_string(y) + ")";
        };
        return Calls{call("MoveTo", x - 3, 20), call("LineTo", x, 17), call("LineTo", x + 3, 20), call("LineTo", x, 23),
                     call("LineTo", x - 3, 20)};
    };
    const Calls atMinus1 = {"SetPixelV(-1,20,#000000)", "SetPixelV(0,21,#000000)", "SetPixelV(-2,21,#000000)",
                            "SetPixelV(-2,19,#000000)", "SetPixelV(0,19,#000000)"};
    const struct {
        DcDevice device;
        double x;
        int widthIndex;
        Calls calls;
    } edges[] = {
        {SmallPrinter(), -3, 0, diamondAt(-3)},
        {SmallPrinter(), -3.4, 0, diamondAt(-3)},
        {SmallPrinter(), -3.5, 0, diamondAt(-4)},
        {SmallPrinter(), -10, 4, diamondAt(-10)},
        {SmallPrinter(), -28, 4, diamondAt(-28)},
        {SmallPrinter(), -28.5, 4, diamondAt(-29)},
        {Screen(), -1, 0, atMinus1},
        {Screen(), -1.4, 4, atMinus1},
        {Screen(), -1.5, 0, {}},
    };
    for (const auto& edge : edges) {
        VhDrawGrid grid = Grid(VhPoint(1e10, 1e10), 2);
        grid.GetShape().SetOrigin(VhPoint(edge.x, 20));
        grid.SetLineWidth(edge.widthIndex);
        Drawn drawn = DrawOn(edge.device, grid);
        EXPECT_EQ(edge.calls, drawn.calls) << edge.x;
        EXPECT_EQ(edge.calls.empty() ? 0 : 1, drawn.result) << edge.x;
    }
    // A printer whose y is four times its x: the widest pen's ink still reaches 25 units along x.
    // One whose clip box ends at int's end: a node there draws no mark, whose offsets would leave int.
    const struct {
        std::function<void(CDC&)> setUp;
        VhPoint node;
        Calls calls;
    } mappings[] = {
        {[](CDC& dc) {
             dc.SetMapMode(MM_ANISOTROPIC);
             dc.SetViewportExt(1, 4);
         },
         VhPoint(-28, 5),
         {"MoveTo(-31,5)", "LineTo(-28,2)", "LineTo(-25,5)", "LineTo(-28,8)", "LineTo(-31,5)"}},
        {[](CDC& dc) { dc.SetWindowOrg(INT32_MAX - 40, 0); }, VhPoint(INT32_MAX - 2, 20), {}},
    };
    for (const auto& mapping : mappings) {
        VhDrawGrid grid = Grid(VhPoint(1e10, 1e10), 2);
        grid.GetShape().SetOrigin(mapping.node);
        grid.SetLineWidth(4);
        EXPECT_EQ(mapping.calls, DrawOn(SmallPrinter(), grid, nullptr, mapping.setUp).calls) << mapping.node.x;
    }
}

TEST(Renderer, CompositionDrawsItsChildrenInOrder)
{
    VhDrawComposition composition;
    composition.Add(Line(VhPoint(0, 0), VhPoint(10, 0)).Clone());
    composition.Add(Text(VhPoint(5, 5), "A").Clone());
    composition.Add(Chain<VhDrawPolygon>({{0, 0}, {5, 5}, {10, 0}}, 1).Clone());
    Drawn drawn = DrawOn(Printer(), composition);
    EXPECT_EQ(1, drawn.result);
    EXPECT_EQ((Calls{"MoveTo(0,0)", "LineTo(10,0)", "TextOut(5,5,\"A\",1)", "Polygon(0,0 5,5 10,0)"}), drawn.calls);
}

TEST(Renderer, LeavesTheDeviceContextAsItFoundIt)
{
    std::vector<std::unique_ptr<VhDraw>> draws;
    for (int hatch : {int(VhDraw::NoHatch), 17}) {
        draws.emplace_back(Rect(VhPoint(0, 0), VhPoint(10, 10), hatch).Clone());
        draws.emplace_back(Rect(VhPoint(0, 0), VhPoint(9000, 10), hatch).Clone());
        draws.emplace_back(Chain<VhDrawPolygon>({{0, 0}, {5, 5}, {10, 0}}, hatch).Clone());
        draws.emplace_back(Circle(VhPoint(5, 5), 3, hatch).Clone());
    }
    draws.emplace_back(Line(VhPoint(0, 0), VhPoint(10, 0)).Clone());
    draws.emplace_back(Chain<VhDrawPolyline>({{0, 0}, {5, 5}}).Clone());
    draws.emplace_back(Text(VhPoint(5, 5), "A").Clone());
    draws.emplace_back(Grid(VhPoint(400, 400), 0).Clone());
    draws.emplace_back(Grid(VhPoint(400, 400), 3).Clone());
    int objects = AfxGdiObjectCount();
    for (const DcDevice& device : {Printer(), Screen()}) {
        CRecordingDC dc(device);
        dc.SetTextAlign(TA_BASELINE);
        dc.SetTextColor(RGB(1, 2, 3));
        std::string before = dc.GetState().ToString();
        VhDrawImp imp(&dc);
        for (const auto& draw : draws) {
            draw->Draw(&imp, nullptr);
            EXPECT_EQ(before, dc.GetState().ToString()) << draw->GetRuntimeClass()->m_lpszClassName;
            EXPECT_EQ(objects, AfxGdiObjectCount()) << draw->GetRuntimeClass()->m_lpszClassName;
        }
        EXPECT_EQ(RGB(255, 255, 255), dc.GetBkColor());
    }
}

TEST(Renderer, UnfilledCircleIsFilledWithTheBrushTheDeviceHolds)
{
    Drawn drawn = DrawOn(Printer(), Circle(VhPoint(5, 5), 3));
    ASSERT_EQ(1u, drawn.records.size());
    EXPECT_EQ(UINT(BS_SOLID), drawn.records[0].state.brushStyle);
    EXPECT_EQ(RGB(255, 255, 255), drawn.records[0].state.brushColor);
    EXPECT_EQ(R2_MASKPEN, drawn.records[0].state.rop2);
}

TEST(Renderer, BadValuesDrawNothingOrSaturate)
{
    VhDrawLine red = Line(VhPoint(0, 0), VhPoint(1, 1));
    for (int colour : {300, -5, 256}) {
        red.SetColor(colour);
        EXPECT_EQ(RGB(0, 0, 0), DrawOn(Printer(), red).records[0].state.penColor) << colour;
    }
    VhDrawRect hatched = Rect(VhPoint(0, 0), VhPoint(8, 8), -2); // pattern 63
    Drawn drawn = DrawOn(Printer(), hatched);
    ASSERT_EQ(1u, drawn.records.size());
    EXPECT_EQ(std::vector<BYTE>(VhHatchPatterns[63], VhHatchPatterns[63] + 8),
              std::vector<BYTE>(drawn.records[0].state.brushRows, drawn.records[0].state.brushRows + 8));

    EXPECT_EQ((Calls{"Ellipse(-2147483648,2147483647,2147483647,-2147483648)"}),
              DrawOn(Printer(), Circle(VhPoint(0, 0), 1e300)).calls);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(0, DrawOn(Printer(), Circle(VhPoint(nan, 0), 5)).result);
    Drawn far = DrawOn(Printer(), Text(VhPoint(1e300, 0), "A"));
    EXPECT_EQ((Calls{"TextOut(2147483647,0,\"A\",1)"}), far.calls);
    EXPECT_EQ(0, DrawOn(Printer(), Text(VhPoint(nan, 0), "A")).result);
    Drawn nanLine = DrawOn(Printer(), Line(VhPoint(nan, 0), VhPoint(5, 5)));
    EXPECT_EQ(0, nanLine.result);
    EXPECT_EQ(Calls{}, nanLine.calls);
    EXPECT_EQ((Calls{"MoveTo(0,0)", "LineTo(5,5)"}),
              DrawOn(Printer(), Chain<VhDrawPolyline>({{0, 0}, {5, 5}, {nan, 1}})).calls);
    VhDrawString huge = Text(VhPoint(0, 0), "A");
    huge.GetShape().SetHeight(nan);
    EXPECT_EQ(0, DrawOn(Printer(), huge).result);
    huge.GetShape().SetShape(7); // the width fixed at NaN
    huge.GetShape().SetHeight(10);
    Drawn noWidth = DrawOn(Printer(), huge);
    EXPECT_EQ(0, noWidth.result);
    EXPECT_EQ(Calls{}, noWidth.calls);

    // Both axes magnified past the density check, but folded onto one line.
    VhTrans parallel;
    parallel.SetAt(0, 0, 10);
    parallel.SetAt(0, 1, 10);
    parallel.SetAt(1, 0, 10);
    parallel.SetAt(1, 1, 10);
    Drawn folded = DrawOn(Screen(), Grid(VhPoint(2, 2), 3), &parallel);
    EXPECT_EQ(0, folded.result);
    EXPECT_EQ(Calls{}, folded.calls);
}

} // namespace
