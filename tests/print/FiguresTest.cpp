// Lines, rectangles, polylines, polygons and circles, as tables of cases worked out by hand.
#include "print/VhFigureCircle.h"
#include "print/VhFigureLine.h"
#include "print/VhFigurePolygon.h"
#include "tests/print/PrintTestSupport.h"

#include <cmath>
#include <limits>

using namespace printtest;

namespace {

const double pi = std::atan2(0.0, -1.0);

VhFigureLine Line(double x1, double y1, double x2, double y2, int flag1 = 1, int flag2 = 1)
{
    VhFigureLine line(VhPoint(x1, y1), VhPoint(x2, y2));
    line.SetEndFlags(flag1, flag2);
    return line;
}

VhFigurePolygon Polygon(std::initializer_list<VhPoint> points)
{
    VhFigurePolygon polygon;
    for (const VhPoint& point : points)
        polygon.AddPoint(point);
    return polygon;
}

::testing::AssertionResult HasCorners(const VhFigureRect& rect, double x1, double y1, double x2, double y2)
{
    if (Near(rect.GetCorner1(), x1, y1, rect.GetCorner1().z) && Near(rect.GetCorner2(), x2, y2, rect.GetCorner2().z))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Text(rect.GetCorner1()) << "-" << Text(rect.GetCorner2());
}

std::string Joined(const VhPointArray& points)
{
    std::string text;
    for (INT_PTR i = 0; i < points.GetSize(); ++i)
        text += Text(points[i]);
    return text;
}

} // namespace

TEST(VhFigureLine, ClipToRect)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const VhFigureRect rect(VhPoint(0, 0), VhPoint(10, 10));
    const struct {
        VhFigureLine line;
        BOOL inside;
        double x1, y1, x2, y2; // the line after clipping (unchanged when outside)
    } cases[] = {
        {Line(2, 2, 8, 8), TRUE, 2, 2, 8, 8},
        {Line(-5, 5, 15, 5), TRUE, 0, 5, 10, 5},                    // crosses the left and the right side
        {Line(15, 5, 5, 5), TRUE, 10, 5, 5, 5},                     // end 1 beyond the right side
        {Line(5, -5, 5, 15), TRUE, 5, 0, 5, 10},                    // the bottom and the top
        {Line(5, 5, 5, 15), TRUE, 5, 5, 5, 10},                     // end 2 beyond the top
        {Line(-5, -5, 15, 15), TRUE, 0, 0, 10, 10},                 // through two corners
        {Line(-5, -5, -1, 20), FALSE, -5, -5, -1, 20},              // both ends left of the rectangle
        {Line(-5, 8, 8, 21), FALSE, -5, 8, 8, 21},                  // passes the corner outside, after one move
        {Line(10.005, 5, 10.005, 20), TRUE, 10.005, 5, 10.005, 10}, // within the tolerance
        {Line(-1e300, 5, 1e300, 5), TRUE, 0, 5, 10, 5},
    };
    for (const auto& c : cases) {
        VhFigureLine line(c.line);
        SCOPED_TRACE(Text(c.line.GetEnd1()) + "-" + Text(c.line.GetEnd2()));
        EXPECT_EQ(c.inside, line.ClipToRect(rect, FALSE));
        EXPECT_TRUE(Near(line.GetEnd1(), c.x1, c.y1));
        EXPECT_TRUE(Near(line.GetEnd2(), c.x2, c.y2));
    }
    // A coordinate that is not finite puts the line outside, unchanged.
    for (double bad : {nan, inf, -inf}) {
        VhFigureLine line = Line(bad, 5, 5, 5);
        EXPECT_FALSE(line.ClipToRect(rect, FALSE)) << bad;
        EXPECT_TRUE(line.GetEnd1().x == bad || std::isnan(bad)) << bad;
        EXPECT_TRUE(Near(line.GetEnd2(), 5, 5));
    }
    // A rectangle given with its corners swapped clips as its normalised form.
    VhFigureLine line = Line(-5, 5, 15, 5);
    EXPECT_TRUE(line.ClipToRect(VhFigureRect(VhPoint(10, 10), VhPoint(0, 0)), FALSE));
    EXPECT_TRUE(Near(line.GetEnd1(), 0, 5));
}

// Lines whose far end lies so far out that each computed end point misses the boundary by more
// than the tolerance: clipping them end by end bounces between two sides without end. Each end
// moves at most once to each side, and what comes back lies in the rectangle.
TEST(VhFigureLine, ClipToRectEndsWhereRoundingMissesTheBoundary)
{
    const VhFigureRect rect(VhPoint(-8191, -8191), VhPoint(8191, 8191));
    const VhFigureLine lines[] = {
        Line(-1.4170230948475054e+109, -6.9918025264641512e+31, -5928.0457518528565, -3403.0461477885542),
        Line(8.2779115497077095e+126, 2.2923037856301442e+48, 5128.880148085319, 3514.8377873055711),
        Line(-2.9032178484509041e+45, 2.2504976786288436e+81, 25.980736986640053, 821.90301976472904),
        Line(-1e308, -1e308, 1e308, 1e308), // the direction overflows: no finite end point
    };
    for (const VhFigureLine& original : lines) {
        VhFigureLine line(original);
        if (line.ClipToRect(rect, FALSE)) {
            EXPECT_EQ(0, rect.GetOutCode(line.GetEnd1(), -1, FALSE)) << Text(line.GetEnd1());
            EXPECT_EQ(0, rect.GetOutCode(line.GetEnd2(), -1, FALSE)) << Text(line.GetEnd2());
        } else {
            EXPECT_TRUE(line.IsEqual(&original));
        }
    }
}

TEST(VhFigureRect, GetOutCodeAtTheTolerance)
{
    const VhFigureRect rect(VhPoint(0, 0, 0), VhPoint(10, 10, 0));
    const struct {
        VhPoint point;
        double tolerance;
        BOOL is3D;
        int code;
    } cases[] = {
        {{10.005, 5}, -1, FALSE, 0}, {{10.02, 5}, -1, FALSE, 2}, {{-0.02, 5}, -1, FALSE, 1}, {{5, -0.02}, -1, FALSE, 4},
        {{5, 10.02}, -1, FALSE, 8},  {{-1, -1}, -1, FALSE, 5},   {{11, 11}, -1, FALSE, 10},  {{10.4, 5}, 0.5, FALSE, 0},
        {{10.4, 5}, 0, FALSE, 2},    {{5, 5, 1}, -1, FALSE, 0},  {{5, 5, 1}, -1, TRUE, 32},  {{5, 5, -1}, -1, TRUE, 16},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.code, rect.GetOutCode(c.point, c.tolerance, c.is3D)) << Text(c.point) << " " << c.tolerance;
}

TEST(VhFigureLine, CrossPointsOfLines)
{
    const struct {
        VhFigureLine k, l;
        BOOL crosses;
        const char* points;
    } cases[] = {
        {Line(0, 0, 10, 0), Line(5, -5, 5, 5), TRUE, "(5, 0, 0)"},
        {Line(0, 0, 10, 0), Line(15, -5, 15, 5), FALSE, ""},
        // End 2 of the first line, the end nearer the crossing, runs on.
        {Line(0, 0, 10, 0, 1, 0), Line(15, -5, 15, 5), TRUE, "(15, 0, 0)"},
        {Line(0, 0, 10, 0, 0, 1), Line(15, -5, 15, 5), FALSE, ""},
        {Line(0, 0, 10, 0, 0, 1), Line(-5, -5, -5, 5), TRUE, "(-5, 0, 0)"},
        // The second line stops short of the crossing at its nearer end 1, unless that end runs on.
        {Line(0, 0, 10, 0), Line(5, 5, 5, 10), FALSE, ""},
        {Line(0, 0, 10, 0), Line(5, 5, 5, 10, 0, 1), TRUE, "(5, 0, 0)"},
        // Parallel lines never cross, even overlapping.
        {Line(0, 0, 10, 0), Line(5, 0, 15, 0), FALSE, ""},
        // A line no longer than the tolerance has no direction.
        {Line(0, 0, 10, 0), Line(5, 0, 5, 0.005, 0, 0), FALSE, ""},
        {Line(0, 0, 10, 0), Line(5, 0, 5, 0.01), FALSE, ""},
        {Line(5, 0, 5, 0.01), Line(0, 0, 10, 0), FALSE, ""},
        {Line(0, 0, 10, 0), Line(5, 0, 5, 0.02), TRUE, "(5, 0, 0)"},
        // Crossings are found in the plane, whatever the lines' z.
        {VhFigureLine(VhPoint(0, 0, 5), VhPoint(10, 0, 5)), VhFigureLine(VhPoint(5, -5, 5), VhPoint(5, 5, 5)), TRUE,
         "(5, 0, 0)"},
        {Line(5, 0, 5, 0.005, 0, 0), Line(0, 0, 10, 0), FALSE, ""},
    };
    for (const auto& c : cases) {
        VhPointArray points;
        points.Add(VhPoint(99, 99));
        EXPECT_EQ(c.crosses, c.k.CrossPoints(c.l, points, FALSE)) << Text(c.l.GetEnd1());
        EXPECT_EQ(c.points, Joined(points)) << Text(c.l.GetEnd1());
        EXPECT_FALSE(c.k.CrossPoints(c.l, points, TRUE)); // no figure crosses through the other form
    }
}

TEST(VhFigureLine, ParallelByTheUnnormalisedCrossProduct)
{
    EXPECT_TRUE(Line(0, 0, 1, 0).IsParallel(Line(0, 0, 1, 0.005), FALSE));
    EXPECT_FALSE(Line(0, 0, 1000, 0).IsParallel(Line(0, 0, 1000, 0.005), FALSE));
    EXPECT_FALSE(Line(0, 0, 0.005, 0).IsParallel(Line(0, 0, 1, 0), FALSE));
    EXPECT_TRUE(Line(0, 0, 1, 0).IsParallel(Line(0, 5, 1, 5), TRUE));
}

TEST(VhFigure, CrossPointsOfOtherKinds)
{
    const VhFigureLine across = Line(-5, 5, 15, 5);
    VhPointArray points;
    EXPECT_TRUE(VhFigureRect(VhPoint(0, 0), VhPoint(10, 10)).CrossPoints(across, points, FALSE));
    EXPECT_EQ("(0, 5, 0)(10, 5, 0)", Joined(points));
    // A polygon offers only its closing side, from (0, 10) to (0, 0).
    VhFigurePolygon square = Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    EXPECT_TRUE(square.CrossPoints(across, points, FALSE));
    EXPECT_EQ("(0, 5, 0)", Joined(points));
    EXPECT_FALSE(Polygon({{0, 0}, {0, 10}}).CrossPoints(across, points, FALSE));
    EXPECT_EQ("", Joined(points));
    points.Add(VhPoint(1, 1));
    EXPECT_FALSE(VhFigureCircle(VhPoint(5, 5), 3).CrossPoints(across, points, FALSE));
    EXPECT_EQ(1, points.GetSize());
    // A line offered to a rectangle: rectangles take no lines.
    EXPECT_FALSE(across.CrossPoints(VhFigureRect(VhPoint(0, 0), VhPoint(10, 10)), points, FALSE));
    EXPECT_EQ(0, points.GetSize());
}

TEST(VhFigureRect, TurnedByAQuarterIsNormalisedOnlyByNormalize)
{
    VhFigureRect rect(VhPoint(0, 0), VhPoint(10, 5));
    rect.Transform(Rotation(pi / 2));
    EXPECT_TRUE(HasCorners(rect, 0, 0, -5, 10));
    VhFigureRect extent;
    EXPECT_TRUE(rect.GetExtent(nullptr, &extent));
    EXPECT_TRUE(HasCorners(extent, -5, 0, 0, 10));
    rect.Normalize();
    EXPECT_TRUE(HasCorners(rect, -5, 0, 0, 10));
}

TEST(VhFigureRect, AnchorsCentreUnionAndHits)
{
    const VhFigureRect rect(VhPoint(0, 0), VhPoint(10, 20));
    const double anchors[9][2] = {{0, 0}, {0, 10}, {0, 20}, {5, 0}, {5, 10}, {5, 20}, {10, 0}, {10, 10}, {10, 20}};
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(Near(rect.GetAnchorPoint(i), anchors[i][0], anchors[i][1])) << i;
    EXPECT_TRUE(Near(rect.GetCenter(), 5, 10));
    VhFigureRect grown(rect);
    grown.Union(VhFigureRect(VhPoint(-3, 5), VhPoint(4, 30)));
    EXPECT_TRUE(HasCorners(grown, -3, 0, 10, 30));
    EXPECT_EQ(1, rect.Hit(VhPoint(5, 20.005), -1, FALSE));
    EXPECT_EQ(2, rect.Hit(VhPoint(5, 5), -1, FALSE));
    EXPECT_EQ(0, rect.Hit(VhPoint(11, 5), -1, FALSE));
}

TEST(VhFigure, ExtentUnderTheOwnAndTheGivenTransform)
{
    VhFigureLine line = Line(0, 0, 10, 5);
    VhTrans own = Translation(1, 2);
    line.SetTrans(&own);
    VhTrans turn = Rotation(pi / 2);
    VhFigureRect extent;
    EXPECT_TRUE(line.GetExtent(&turn, &extent));
    EXPECT_TRUE(HasCorners(extent, -7, 1, -2, 11));

    VhFigureCircle circle(VhPoint(0, 0), 2);
    circle.SetTrans(&own);
    EXPECT_TRUE(circle.GetExtent(nullptr, &extent));
    EXPECT_TRUE(HasCorners(extent, -1, 0, 3, 4));

    VhFigurePolyline single;
    single.AddPoint(VhPoint(50, 50));
    EXPECT_FALSE(single.GetExtent(nullptr, &extent));
    EXPECT_TRUE(HasCorners(extent, -1, 0, 3, 4));
}

TEST(VhFigurePolygon, HitInsideInBothWindingsAndOnTheOutline)
{
    const VhFigurePolygon counterClockwise = Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    const VhFigurePolygon clockwise = Polygon({{0, 0}, {0, 10}, {10, 10}, {10, 0}});
    const VhFigurePolygon notch = Polygon({{0, 0}, {10, 0}, {10, 5}, {5, 5}, {5, 10}, {0, 10}});
    const VhFigurePolygon collinear = Polygon({{0, 0}, {5, 0}, {10, 0}});
    const struct {
        const VhFigurePolygon& polygon;
        VhPoint point;
        BOOL inside, outline;
    } cases[] = {
        {counterClockwise, {5, 5}, TRUE, FALSE},
        {counterClockwise, {15, 5}, FALSE, FALSE},
        {counterClockwise, {10, 5}, TRUE, TRUE},
        {counterClockwise, {0, 5}, TRUE, TRUE}, // the closing side
        {clockwise, {5, 5}, TRUE, FALSE},
        {clockwise, {15, 5}, FALSE, FALSE},
        {clockwise, {10, 5}, TRUE, TRUE},
        {notch, {7, 7}, FALSE, FALSE},
        {notch, {2, 7}, TRUE, FALSE},
        {collinear, {5, 5}, FALSE, FALSE},
        {collinear, {7, 0}, TRUE, TRUE},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.inside, c.polygon.HitInside(c.point, -1, FALSE)) << Text(c.point);
        EXPECT_EQ(c.outline, c.polygon.HitOutline(c.point, -1, FALSE)) << Text(c.point);
    }
    VhFigurePolyline open;
    open.AddPoint(VhPoint(0, 0));
    open.AddPoint(VhPoint(10, 0));
    open.AddPoint(VhPoint(10, 10));
    EXPECT_FALSE(open.HitOutline(VhPoint(5, 5), -1, FALSE));
    EXPECT_TRUE(open.HitInside(VhPoint(10, 5), -1, FALSE));
}

TEST(VhFigureCircle, HitsAndTransform)
{
    VhFigureCircle circle(VhPoint(0, 0), 2);
    EXPECT_TRUE(circle.HitOutline(VhPoint(2.005, 0), -1, FALSE));
    EXPECT_FALSE(circle.HitOutline(VhPoint(2.02, 0), -1, FALSE));
    EXPECT_TRUE(circle.HitOutline(VhPoint(0, 2.2), 0.3, FALSE));
    EXPECT_TRUE(circle.HitInside(VhPoint(2.005, 0), -1, FALSE));
    EXPECT_FALSE(circle.HitInside(VhPoint(2.02, 0), -1, FALSE));
    EXPECT_EQ(2, circle.Hit(VhPoint(1, 1), -1, FALSE));
    EXPECT_EQ(1, circle.Hit(VhPoint(0, -2), -1, FALSE));
    VhTrans scale;
    scale.Scale(0.5, 0.5, 1);
    circle.Transform(scale);
    EXPECT_EQ(4.0, circle.GetRadius());
    circle.Transform(Translation(3, 4));
    EXPECT_TRUE(Near(circle.GetCentre(), 3, 4));
    EXPECT_EQ(4.0, circle.GetRadius());
}

// Equal figures: the same class, equal own transforms or none on both sides, equal geometry; the
// attribute record and the fill flag are not compared.
TEST(VhFigure, Equality)
{
    VhFigureLine line = Line(0, 0, 10, 0);
    VhFigureLine same = Line(0, 0.005, 10, 0);
    same.SetFillFlag(1);
    same.GetAttributes() = VhValue(3, 0, 0);
    EXPECT_TRUE(line.IsEqual(&same));
    VhFigureLine otherFlag = Line(0, 0, 10, 0, 1, 0);
    EXPECT_FALSE(line.IsEqual(&otherFlag));

    VhTrans trans = Translation(1, 0);
    same.SetTrans(&trans);
    EXPECT_FALSE(line.IsEqual(&same));
    EXPECT_FALSE(same.IsEqual(&line));
    line.SetTrans(&trans);
    EXPECT_TRUE(line.IsEqual(&same));
    VhTrans otherTrans = Translation(2, 0);
    line.SetTrans(&otherTrans);
    EXPECT_FALSE(line.IsEqual(&same));

    VhFigurePolygon polygon = Polygon({{0, 0}, {10, 0}, {10, 10}});
    VhFigurePolyline polyline;
    for (int i = 0; i < polygon.GetPointCount(); ++i)
        polyline.AddPoint(polygon.GetPoint(i));
    EXPECT_FALSE(polygon.IsEqual(&polyline));
    EXPECT_FALSE(polyline.IsEqual(&polygon));
    polyline.AddPoint(VhPoint(0, 0));
    VhFigurePolyline shorter(polyline);
    shorter.RemoveAllPoints();
    EXPECT_FALSE(polyline.IsEqual(&shorter));
    VhFigureCircle circle(VhPoint(0, 0), 2);
    VhFigureCircle otherRadius(VhPoint(0, 0.005), 2.001);
    EXPECT_FALSE(circle.IsEqual(&otherRadius));
    otherRadius.SetRadius(2);
    EXPECT_TRUE(circle.IsEqual(&otherRadius));
}

TEST(VhFigure, CopiesAndSetTransKeepAnOwnTransformOfTheirOwn)
{
    VhFigureRect rect(VhPoint(0, 0), VhPoint(1, 1));
    VhTrans trans = Translation(5, 5);
    rect.SetTrans(&trans);
    ASSERT_NE(&trans, rect.GetTrans());
    rect.SetTrans(rect.GetTrans());
    EXPECT_TRUE(rect.GetTrans()->IsEqual(&trans));
    VhFigureRect copy(rect);
    EXPECT_NE(rect.GetTrans(), copy.GetTrans());
    EXPECT_TRUE(copy.IsEqual(&rect));
    VhFigureRect assigned;
    assigned = rect;
    EXPECT_TRUE(assigned.IsEqual(&rect));
    std::unique_ptr<VhFigure> clone(rect.Clone());
    EXPECT_TRUE(clone->IsEqual(&rect));
    rect.SetTrans(nullptr);
    EXPECT_EQ(nullptr, rect.GetTrans());
    EXPECT_NE(nullptr, copy.GetTrans());
}
