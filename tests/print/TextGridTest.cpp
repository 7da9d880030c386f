// Text and grid figures, as tables of cases worked out by hand.
#include "print/VhFigureGrid.h"
#include "tests/print/PrintTestSupport.h"

#include <cmath>

using namespace printtest;

namespace {

const double pi = std::atan2(0.0, -1.0);

VhFigureString Text(LPCTSTR text, double height, int shapeCode, int alignment = 0)
{
    VhFigureString figure;
    figure.SetText(text);
    figure.SetHeight(height);
    figure.SetShape(shapeCode);
    figure.SetAlignment(alignment);
    return figure;
}

::testing::AssertionResult HasCorners(const VhFigureRect& rect, double x1, double y1, double x2, double y2)
{
    if (Near(rect.GetCorner1(), x1, y1) && Near(rect.GetCorner2(), x2, y2))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << printtest::Text(rect.GetCorner1()) << "-"
                                         << printtest::Text(rect.GetCorner2());
}

} // namespace

// Height 10: the character width that SetShape fixes, and the text height.
TEST(VhFigureString, CharacterWidthAndTextHeightOfEveryShapeCode)
{
    const struct {
        int shapeCode;
        double charWidth, textHeight;
        int autoWidth;
    } cases[] = {
        {0, 5, 10, 1}, {1, 2.5, 5, 0},  {2, 2.5, 5, 0}, {3, 5, 20, 0}, {4, 10, 10, 0}, {5, 10, 20, 0},
        {6, 5, 5, 0},  {7, 2.5, 10, 0}, {8, 2.5, 5, 0}, {9, 5, 10, 0}, {-1, 5, 10, 0},
    };
    for (const auto& c : cases) {
        VhFigureString text = Text("ABC", 10, c.shapeCode);
        EXPECT_EQ(c.charWidth, text.GetCharWidth()) << c.shapeCode;
        EXPECT_EQ(c.textHeight, text.GetTextHeight()) << c.shapeCode;
        EXPECT_EQ(c.autoWidth, text.GetAutoWidth()) << c.shapeCode;
        EXPECT_EQ(3 * c.charWidth, text.GetTextWidth()) << c.shapeCode;
    }
}

TEST(VhFigureString, WidthIsFixedWhenTheShapeIsSet)
{
    VhFigureString fixed = Text("A", 10, 7);
    fixed.SetHeight(20);
    EXPECT_EQ(2.5, fixed.GetCharWidth());
    EXPECT_EQ(20.0, fixed.GetTextHeight());
    VhFigureString following = Text("A", 10, 0);
    following.SetHeight(20);
    EXPECT_EQ(10.0, following.GetCharWidth());
    // Shape code 5 with auto width, as an archive may hold it: the width follows the height.
    std::string bytes = Fixture("figure_string.hex");
    bytes.replace(111, 8, std::string("\x05\x00\x00\x00\x01\x00\x00\x00", 8));
    VhFigureString loaded;
    Load(loaded, bytes);
    EXPECT_EQ(10.0, loaded.GetCharWidth());
    EXPECT_EQ(20.0, loaded.GetTextHeight());
}

TEST(VhFigureString, DoubleByteCharactersCountTwo)
{
    EXPECT_EQ(15.0, Text("abc", 10, 0).GetTextWidth());
    EXPECT_EQ(20.0, Text("表示", 10, 0).GetTextWidth());
    VhFigureString empty = Text("", 10, 0);
    EXPECT_EQ(0.0, empty.GetTextWidth());
    EXPECT_TRUE(HasCorners(empty.GetBoxRect(FALSE), 0, 0, 0, 10));
}

// "AB" of height 10 and shape 0: a box 10 wide and 10 high, y up or, downwards, y down.
TEST(VhFigureString, BoxOfEveryAlignment)
{
    const struct {
        int alignment;
        BOOL downwards;
        double offsetX, offsetY;
        double x1, y1, x2, y2;
    } cases[] = {
        {0, FALSE, 0, 0, 0, 0, 10, 10},     {0, TRUE, 0, 0, 0, -10, 10, 0},    {1, FALSE, -5, 0, -5, 0, 5, 10},
        {1, TRUE, -5, 0, -5, -10, 5, 0},    {2, FALSE, -10, 0, -10, 0, 0, 10}, {2, TRUE, -10, 0, -10, -10, 0, 0},
        {3, FALSE, -5, -10, -5, -10, 5, 0}, {3, TRUE, -5, 10, -5, 0, 5, 10},   {4, FALSE, -5, -5, -5, -5, 5, 5},
        {4, TRUE, -5, 5, -5, -5, 5, 5},     {5, FALSE, 0, 0, 0, 0, 10, 10},    {5, TRUE, 0, 0, 0, -10, 10, 0},
    };
    for (const auto& c : cases) {
        VhFigureString text = Text("AB", 10, 0, c.alignment);
        text.SetPosition(VhPoint(30, 40));
        EXPECT_TRUE(HasCorners(text.GetBoxRect(c.downwards), c.x1, c.y1, c.x2, c.y2))
            << c.alignment << " downwards " << c.downwards;
        EXPECT_TRUE(Near(text.GetAnchorOffset(10, 10, c.downwards), c.offsetX, c.offsetY))
            << c.alignment << " downwards " << c.downwards;
    }
}

TEST(VhFigureString, TurnedTextHitAndExtent)
{
    VhFigureString text = Text("AB", 10, 0);
    text.SetPosition(VhPoint(100, 50));
    text.SetAngle(pi / 2);
    EXPECT_TRUE(text.HitInside(VhPoint(99, 52), -1, FALSE));
    EXPECT_FALSE(text.HitInside(VhPoint(101, 52), -1, FALSE));
    EXPECT_TRUE(text.HitOutline(VhPoint(99, 52), -1, FALSE));
    EXPECT_TRUE(text.HitOutline(VhPoint(100.005, 55), -1, FALSE));
    VhFigureRect extent;
    EXPECT_TRUE(text.GetExtent(nullptr, &extent));
    EXPECT_TRUE(HasCorners(extent, 90, 50, 100, 60));
    VhFigurePolygon box = text.GetBoxPolygon(FALSE);
    ASSERT_EQ(4, box.GetPointCount());
    const double corners[4][2] = {{100, 50}, {100, 60}, {90, 60}, {90, 50}};
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(Near(box.GetPoint(i), corners[i][0], corners[i][1])) << i;
    // Under an own transform and a given one, only the two diagonal corners are bounded: turned
    // by a further 45 degrees, they lie on the x axis.
    VhTrans own = Translation(-100, -50);
    text.SetTrans(&own);
    VhTrans turn = Rotation(pi / 4);
    EXPECT_TRUE(text.GetExtent(&turn, &extent));
    const double r = std::sqrt(50.0);
    EXPECT_TRUE(HasCorners(extent, -2 * r, 0, 0, 0));
}

TEST(VhFigureString, TransformMovesAndTurnsButKeepsTheSize)
{
    VhFigureString text = Text("AB", 10, 7);
    text.SetPosition(VhPoint(1, 0));
    text.SetAngle(0.25);
    VhTrans trans = Rotation(pi / 2);
    trans.Translate(VhPoint(5, 5));
    trans.Scale(0.5, 0.5, 1);
    text.Transform(trans);
    EXPECT_TRUE(Near(text.GetPosition(), 10, 12));
    EXPECT_DOUBLE_EQ(0.25 + pi / 2, text.GetAngle());
    EXPECT_EQ(10.0, text.GetHeight());
    EXPECT_EQ(2.5, text.GetCharWidth());
    VhPointArray points;
    points.Add(VhPoint(1, 1));
    EXPECT_FALSE(text.CrossPoints(VhFigureRect(VhPoint(0, 0), VhPoint(50, 50)), points, FALSE));
    EXPECT_EQ(1, points.GetSize());
}

TEST(VhFigureString, Equality)
{
    VhFigureString text = Text("AB", 10, 7, 4);
    VhFigureString same(text);
    same.SetFillFlag(0);
    EXPECT_TRUE(text.IsEqual(&same));
    VhFigureString otherText = Text("AC", 10, 7, 4);
    VhFigureString otherAlignment = Text("AB", 10, 7, 3);
    VhFigureString otherShape = Text("AB", 10, 6, 4);
    VhFigureString otherHeight(text);
    otherHeight.SetHeight(10.000001);
    for (const VhFigureString* other : {&otherText, &otherAlignment, &otherShape, &otherHeight})
        EXPECT_FALSE(text.IsEqual(other));
}

TEST(VhFigureGrid, TurnsWithItsPitchAndHasNoExtent)
{
    VhFigureGrid grid;
    grid.SetOrigin(VhPoint(1, 0));
    grid.SetPitch(VhPoint(2, 0));
    grid.SetAngle(0.1);
    grid.SetStyle(3);
    grid.Transform(Rotation(pi / 6));
    EXPECT_TRUE(Near(grid.GetOrigin(), std::cos(pi / 6), 0.5));
    EXPECT_TRUE(Near(grid.GetPitch(), 2 * std::cos(pi / 6), 1));
    EXPECT_DOUBLE_EQ(0.1 + pi / 6, grid.GetAngle());
    grid.Transform(Translation(5, 5));
    EXPECT_TRUE(Near(grid.GetPitch(), 2 * std::cos(pi / 6), 1));
    VhFigureRect extent;
    EXPECT_FALSE(grid.GetExtent(nullptr, &extent));
    EXPECT_EQ(0, grid.Hit(grid.GetOrigin(), 1, FALSE));
    VhFigureGrid other(grid);
    EXPECT_TRUE(grid.IsEqual(&other));
    other.SetStyle(0);
    EXPECT_FALSE(grid.IsEqual(&other));
}
