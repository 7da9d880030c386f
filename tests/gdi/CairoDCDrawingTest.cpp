// Pens, brushes and raster operations of the cairo device context, read back from the pictures
// it draws: hatch patterns pixel by pixel, the dashes of styled pens counted along a row, the
// polygon fill rule, masked and copied white, and every drawable against a reference picture.
#include "tests/gdi/CairoPicture.h"
#include "tests/support/TestSupport.h"

#include "platform/wnd/CPen.h"
#include "print/VhDrawCircle.h"
#include "print/VhDrawComposition.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawPolygon.h"
#include "print/VhDrawPolyline.h"
#include "print/VhDrawRect.h"
#include "print/VhDrawString.h"

#include <cstdlib>

using cairotest::DrawPicture;
using cairotest::Picture;

namespace {

VhDrawRect HatchedRect(int hatch)
{
    VhDrawRect rect;
    rect.GetShape().SetCorners(VhPoint(10, 20), VhPoint(110, 70));
    rect.SetHatch(hatch);
    return rect;
}

// The 8 × 8 patterns of the hatches, a row a string, '#' a pixel in the drawable's colour: the
// line at the left (as HS_VERTICAL), the line at the top (HS_HORIZONTAL), the diagonal rising to
// the right (HS_BDIAGONAL), the one falling to the right (HS_FDIAGONAL), the two lines together
// (HS_CROSS), the two diagonals together (HS_DIAGCROSS), and the checkerboard.
const struct {
    int hatch;
    const char* rows[8];
} hatchPatterns[] = {
    {1, {"#.......", "#.......", "#.......", "#.......", "#.......", "#.......", "#.......", "#......."}},
    {2, {"########", "........", "........", "........", "........", "........", "........", "........"}},
    {3, {".......#", "......#.", ".....#..", "....#...", "...#....", "..#.....", ".#......", "#......."}},
    {4, {"#.......", ".#......", "..#.....", "...#....", "....#...", ".....#..", "......#.", ".......#"}},
    {5, {"########", "#.......", "#.......", "#.......", "#.......", "#.......", "#.......", "#......."}},
    {6, {"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"}},
    {17, {"#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#", "#.#.#.#.", ".#.#.#.#"}},
};

// Every pixel well inside the rectangle (10, 20)-(110, 70) is the pattern's, laid from the
// device's origin: pixel (x, y) takes column x % 8 of row y % 8.
void ExpectPatternInside(const Picture& picture, int hatch, const char* const rows[8])
{
    int wrong = 0;
    for (int y = 23; y <= 67; ++y)
        for (int x = 13; x <= 107; ++x)
            wrong += picture.IsDark(x, y) != (rows[y % 8][x % 8] == '#');
    EXPECT_EQ(0, wrong) << "hatch " << hatch;
}

TEST(CairoDC, HatchesAreExactPatternsOfDevicePixels)
{
    for (const auto& pattern : hatchPatterns) {
        int hatch = pattern.hatch;
        Picture picture(DrawPicture("hatch" + std::to_string(hatch), [&](CDC& dc) {
            VhDrawImp imp(&dc);
            HatchedRect(hatch).Draw(&imp, nullptr);
        }));
        ASSERT_TRUE(picture.IsLoaded());
        EXPECT_EQ(400, picture.Width());
        ExpectPatternInside(picture, hatch, pattern.rows);
        EXPECT_TRUE(picture.IsDark(60, 20)) << "the outline";
        EXPECT_FALSE(picture.IsDark(60, 75)) << "outside";
    }
}

// How many pixels of row y from x 20 to 379 are dark.
int DarkInRow(const Picture& picture, int y)
{
    int dark = 0;
    for (int x = 20; x < 380; ++x)
        dark += picture.IsDark(x, y);
    return dark;
}

TEST(CairoDC, StyledPensAreDashedOnlyWhileOneLogicalUnitWideAndPolygonsFillByTheAlternateRule)
{
    Picture picture(DrawPicture("pens", [](CDC& dc) {
        const struct {
            int style, width, y;
        } lines[] = {{PS_DASH, 0, 20}, {PS_DOT, 1, 40}, {PS_DASH, 3, 60}, {PS_NULL, 3, 80}};
        for (const auto& line : lines) {
            CPen pen(line.style, line.width, RGB(0, 0, 0));
            CPen* before = dc.SelectObject(&pen);
            dc.MoveTo(20, line.y);
            dc.LineTo(380, line.y);
            dc.SelectObject(before);
        }
        // A five-pointed star drawn in one stroke: its middle is enclosed twice, so left empty.
        dc.SelectStockObject(BLACK_BRUSH);
        const POINT star[] = {{200, 110}, {229, 200}, {152, 145}, {248, 145}, {171, 200}};
        dc.Polygon(star, 5);
        dc.SelectStockObject(WHITE_BRUSH);
        // One logical unit is three device units: the pen keeps its dots, each grown to its width.
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportExt(3, 3);
        CPen pen(PS_DOT, 1, RGB(0, 0, 0));
        CPen* before = dc.SelectObject(&pen);
        dc.MoveTo(7, 80);
        dc.LineTo(126, 80);
        dc.SelectObject(before);
    }));
    ASSERT_TRUE(picture.IsLoaded());
    // The lines run through the pixels' middles, from x 20.5 to 380.5, with round ends half the
    // pen's width long; a pixel is dark when more than half of it is inked. At 150 dpi a dash is
    // 12 × 150 / 96 = 18.75 pixels and its gap 6.25, a dot and its gap 2 × 150 / 96 = 3.125 each.
    // A dash from x + 0.5 inks x to x + 19.75: pixels x to x + 19, 20 of every 25; 14 whole
    // periods and the 15th dash cut at 380 darken 14 × 20 + 10 = 290.
    EXPECT_EQ(290, DarkInRow(picture, 20)) << "dashes";
    // 58 dots start before 380, every 6.25 pixels; each, with its ends, darkens 4 pixels (from
    // 26.75 it inks 26.25 to 30.375: 26 is 0.64 inked, 27 and 28 whole, 29 0.88, 30 under half;
    // from 33.0 it inks 32.5 to 36.625: 32 is 0.39 inked, 33 to 35 whole, 36 0.52).
    EXPECT_EQ(58 * 4, DarkInRow(picture, 40)) << "dots";
    EXPECT_EQ(360, DarkInRow(picture, 60)) << "a wide dashed pen draws solid";
    EXPECT_EQ(0, DarkInRow(picture, 80)) << "a null pen draws nothing";
    // A pen of one logical unit three device units wide, from device x 21.5 to 378.5 on row 240:
    // its dots and gaps are 3 × 3.125 = 9.375 pixels, its round ends 1.5 long. Along the pen's
    // middle row a dot inks about 1.46 beyond each end, 12.3 pixels: 12 dark, but 13 for every
    // fourth dot, the one starting 0.75 into a pixel (from 77.75 it inks 76.29 to 88.59). 19
    // whole dots and the 20th cut at 378.5 to 4 darken 15 × 12 + 4 × 13 + 4 = 236.
    EXPECT_EQ(236, DarkInRow(picture, 240)) << "a pen of one logical unit three device units wide";
    EXPECT_TRUE(picture.IsDark(200, 125)) << "a point of the star";
    EXPECT_FALSE(picture.IsDark(200, 160)) << "the star's middle";
}

// A black rectangle with an unfilled circle over it, a white line masked across it and another
// copied.
void DrawMasks(CDC& dc)
{
    VhDrawImp imp(&dc);
    VhDrawRect black;
    black.GetShape().SetCorners(VhPoint(10, 10), VhPoint(190, 100));
    black.SetHatch(64);
    black.Draw(&imp, nullptr);
    VhDrawCircle circle; // unfilled: the white stock brush under R2_MASKPEN
    circle.GetShape().SetCentre(VhPoint(100, 55));
    circle.GetShape().SetRadius(30);
    circle.Draw(&imp, nullptr);
    CPen white(PS_SOLID, 5, RGB(255, 255, 255));
    CPen* before = dc.SelectObject(&white);
    dc.SetROP2(R2_MASKPEN);
    dc.MoveTo(20, 40);
    dc.LineTo(180, 40);
    dc.SetROP2(R2_COPYPEN);
    dc.MoveTo(20, 80);
    dc.LineTo(180, 80);
    dc.SelectObject(before);
}

TEST(CairoDC, MaskPenLeavesBlackAndCopyPenPaintsWhite)
{
    for (CCairoDC::Target target : {CCairoDC::Png, CCairoDC::Pdf}) {
        Picture picture(DrawPicture("rop", DrawMasks, target));
        ASSERT_TRUE(picture.IsLoaded()) << target;
        EXPECT_TRUE(picture.IsDark(100, 40)) << "white masked over black, " << target;
        EXPECT_TRUE(picture.IsDark(100, 55)) << "inside the unfilled circle, " << target;
        EXPECT_GT(picture.Grey(100, 80), 240) << "white copied over black, " << target;
        EXPECT_EQ(255, picture.Grey(100, 150)) << "the paper, " << target;
    }
}

template <class Draw> Draw* Chain(std::initializer_list<VhPoint> points, int hatch)
{
    Draw* draw = new Draw;
    for (const VhPoint& point : points)
        draw->GetShape().AddPoint(point);
    draw->SetHatch(hatch);
    return draw;
}

// The page that tests/data/gdi/every-drawable.sh draws by hand, and a text.
void BuildEveryDrawable(VhDrawComposition& page)
{
    VhDrawLine* line = new VhDrawLine;
    line->GetShape().SetEnd1(VhPoint(20, 20));
    line->GetShape().SetEnd2(VhPoint(380, 20));
    page.Add(line);
    for (int hatch : {int(VhDraw::NoHatch), 64}) {
        VhDrawRect* rect = new VhDrawRect;
        double left = hatch == 64 ? 140 : 20;
        rect->GetShape().SetCorners(VhPoint(left, 40), VhPoint(left + 100, 100));
        rect->SetHatch(hatch);
        page.Add(rect);
    }
    page.Add(Chain<VhDrawPolyline>({{260, 100}, {300, 40}, {340, 100}, {380, 40}}, VhDraw::NoHatch));
    page.Add(Chain<VhDrawPolygon>({{20, 120}, {120, 120}, {70, 200}}, 64));
    VhDrawCircle* circle = new VhDrawCircle;
    circle->GetShape().SetCentre(VhPoint(190, 160));
    circle->GetShape().SetRadius(40);
    page.Add(circle);
    VhDrawGrid* grid = new VhDrawGrid;
    grid->GetShape().SetPitch(VhPoint(100, 100));
    grid->GetShape().SetStyle(0);
    page.Add(grid);
    VhDrawString* text = new VhDrawString;
    text->GetShape().SetPosition(VhPoint(260, 250));
    text->GetShape().SetText("ABC");
    text->GetShape().SetHeight(30);
    text->GetShape().SetShape(0);
    page.Add(text);
}

TEST(CairoDC, EveryDrawableMatchesTheReferencePicture)
{
    Picture picture(DrawPicture("every-drawable", [](CDC& dc) {
        VhDrawComposition page;
        BuildEveryDrawable(page);
        VhDrawImp imp(&dc);
        EXPECT_EQ(1, page.Draw(&imp, nullptr));
    }));
    Picture reference(testsupport::DataPath("gdi/every-drawable.png"));
    ASSERT_TRUE(picture.IsLoaded());
    ASSERT_TRUE(reference.IsLoaded());
    ASSERT_EQ(reference.Width(), picture.Width());
    ASSERT_EQ(reference.Height(), picture.Height());
    // The text's cell: 3 bytes of 15 units from (260, 250) up by 30, and a pixel around it.
    const RECT text{259, 219, 306, 251};
    int differing = 0, dark = 0, textInk = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            bool inText = x >= text.left && x <= text.right && y >= text.top && y <= text.bottom;
            if (inText) {
                textInk += picture.IsDark(x, y);
                continue;
            }
            differing += std::abs(picture.Grey(x, y) - reference.Grey(x, y)) > 64;
            dark += reference.IsDark(x, y);
        }
    EXPECT_LE(differing, picture.Width() * picture.Height() / 100);
    EXPECT_GT(dark, 10000) << "the reference holds the drawables";
    EXPECT_GT(textInk, 50) << "the text is drawn in its cell";
    int inkOutsideCell = 0;
    for (int y = 205; y < 265; ++y)
        for (int x = 245; x < 320; ++x)
            inkOutsideCell +=
                picture.IsDark(x, y) && !(x >= text.left && x <= text.right && y >= text.top && y <= text.bottom);
    EXPECT_EQ(0, inkOutsideCell);
}

} // namespace
