// Points and transforms, as tables of cases worked out by hand.
#include "tests/print/PrintTestSupport.h"

#include <climits>
#include <cmath>
#include <limits>

using namespace printtest;

namespace {
const double pi = std::atan2(0.0, -1.0);
const double inf = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();
} // namespace

// Half away from zero, held at the 32-bit limits; NaN gives 0.
TEST(VhPoint, RoundsHalfAwayFromZeroAndSaturates)
{
    const struct {
        double value;
        LONG rounded;
    } cases[] = {
        {2.5, 3},
        {-2.5, -3},
        {2.4999, 2},
        {-0.4, 0},
        {-0.5, -1},
        {2147483647.4, INT_MAX},
        {2147483647.5, INT_MAX},
        {1e20, INT_MAX},
        {inf, INT_MAX},
        {-2147483648.4, INT_MIN},
        {-2147483648.6, INT_MIN},
        {-1e20, INT_MIN},
        {-inf, INT_MIN},
        {notANumber, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.rounded, VhPoint(c.value, 0).Round().x) << c.value;
        EXPECT_EQ(c.rounded, VhPoint(0, c.value).Round().y) << c.value;
    }
}

TEST(VhPoint, AngleLengthAndDistance)
{
    EXPECT_EQ(0.0, VhPoint(0, 0).Angle());
    EXPECT_EQ(0.0, VhPoint(-0.0, -0.0).Angle());
    EXPECT_DOUBLE_EQ(pi / 2, VhPoint(0, 1).Angle());
    EXPECT_DOUBLE_EQ(pi, VhPoint(-1, 0).Angle());
    EXPECT_DOUBLE_EQ(-pi / 4, VhPoint(1, -1, 7).Angle());
    EXPECT_EQ(5.0, VhPoint(3, 4, 12).Length(FALSE));
    EXPECT_EQ(13.0, VhPoint(3, 4, 12).Length(TRUE));
    EXPECT_EQ(13.0, VhPoint(4, 5, 13).Distance(VhPoint(1, 1, 1), TRUE));
}

TEST(VhPoint, CrossInThePlaneAndInSpace)
{
    const struct {
        VhPoint a, b;
        BOOL is3D;
        double x, y, z;
    } cases[] = {
        {{1, 0, 0}, {0, 1, 0}, FALSE, 0, 0, 1},  {{0, 0, 1}, {1, 0, 0}, FALSE, 0, 0, 0},
        {{0, 0, 1}, {1, 0, 0}, TRUE, 0, 1, 0},   {{1, 2, 3}, {4, 5, 6}, TRUE, -3, 6, -3},
        {{1, 2, 3}, {4, 5, 6}, FALSE, 0, 0, -3},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(Near(VhPoint::Cross(c.a, c.b, c.is3D), c.x, c.y, c.z)) << Text(c.a) << Text(c.b) << c.is3D;
        VhPoint inPlace(c.a);
        inPlace.Cross(c.b, c.is3D);
        EXPECT_TRUE(Near(inPlace, c.x, c.y, c.z));
    }
}

TEST(VhPoint, DivideInARatio)
{
    EXPECT_TRUE(Near(VhPoint::Divide(VhPoint(0, 0, 2), VhPoint(10, 20, 4), 1, 1), 5, 10, 3));
    VhPoint quarter(0, 0);
    quarter.Divide(VhPoint(10, 20), 1, 3);
    EXPECT_TRUE(Near(quarter, 2.5, 5));
}

TEST(VhPoint, IsNearSegment)
{
    const VhPoint a(0, 0), b(10, 0);
    const struct {
        VhPoint point, a, b;
        double tolerance;
        BOOL is3D;
        BOOL near;
    } cases[] = {
        {{5, 0.009}, a, b, -1, FALSE, TRUE},
        {{5, 0.011}, a, b, -1, FALSE, FALSE},
        {{10.011, 0}, a, b, -1, FALSE, FALSE},
        {{10.005, 0}, a, b, -1, FALSE, TRUE},
        {{-0.005, 0}, a, b, -1, FALSE, TRUE},
        {{5, 0.5}, a, b, 0.6, FALSE, TRUE},
        {{5, 0.5}, a, b, 0.4, FALSE, FALSE},
        {{-0.3, 0}, a, b, 0.5, FALSE, TRUE},
        {{5, 0, 1}, a, b, -1, FALSE, TRUE},
        {{5, 0, 1}, a, b, -1, TRUE, FALSE},
        {{5, 0, 0.009}, a, b, -1, TRUE, TRUE},
        // A segment no longer than VhTolerance is a point; the distance takes the given tolerance.
        {{1.005, 1}, {1, 1}, {1, 1.005}, -1, FALSE, TRUE},
        {{1, 1.3}, {1, 1}, {1, 1}, 0.5, FALSE, TRUE},
        {{1.02, 1}, {1, 1}, {1, 1}, -1, FALSE, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.near, c.point.IsNearSegment(c.a, c.b, c.tolerance, c.is3D))
            << Text(c.point) << " " << Text(c.a) << "-" << Text(c.b) << " tolerance " << c.tolerance << " 3D "
            << c.is3D;
}

TEST(VhPoint, EqualityAndComparison)
{
    const struct {
        VhPoint a, b;
        BOOL equal;
        LONG compare;
    } cases[] = {
        {{1, 5}, {2, 1}, FALSE, 1},         // y apart further: y decides
        {{2, 1}, {1, 5}, FALSE, -1},        //
        {{5, 1}, {1, 2}, FALSE, 1},         // x apart further: x decides
        {{1, 2}, {2, 1}, FALSE, 1},         // a tie goes to y
        {{1, 1.005}, {1, 1}, TRUE, 0},      // within the tolerance on the deciding axis
        {{0, 0.01}, {0, 0}, TRUE, 0},       // at the tolerance
        {{1, 1, 0}, {1, 1, 0.01}, TRUE, 0}, // equal within VhTolerance in 3D
        {{1, 1, 0}, {1, 1, 0.02}, FALSE, 0}, {{1, 1, 0}, {1.008, 1.008, 0}, FALSE, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.equal, c.a.IsEqual(&c.b)) << Text(c.a) << Text(c.b);
        EXPECT_EQ(c.compare, c.a.Compare(&c.b)) << Text(c.a) << Text(c.b);
    }
    VhTrans notAPoint;
    EXPECT_FALSE(VhPoint().IsEqual(&notAPoint));
    EXPECT_EQ(-1, VhPoint().Compare(&notAPoint));
}

TEST(VhPoint, CopiesTakeNewSerialIdsAndAssignmentKeepsIt)
{
    VhPoint point(1, 2, 3);
    VhPoint copy(point);
    EXPECT_NE(point.GetSerialId(), copy.GetSerialId());
    DWORD id = copy.GetSerialId();
    copy = VhPoint(4, 5, 6);
    EXPECT_EQ(id, copy.GetSerialId());
    copy = copy;
    EXPECT_TRUE(Near(copy, 4, 5, 6));
    std::unique_ptr<VhPoint> clone(point.Clone());
    EXPECT_TRUE(clone->IsEqual(&point));
    EXPECT_NE(point.GetSerialId(), clone->GetSerialId());
}

// Points are rows: each operation follows the transform so far.
TEST(VhTrans, OperationsFollowTheTransformSoFar)
{
    VhTrans turnThenMove = Rotation(pi / 2);
    turnThenMove.Translate(VhPoint(10, 0));
    EXPECT_TRUE(Near(VhPoint(1, 0) * turnThenMove, 10, 1));
    VhTrans moveThenTurn = Translation(10, 0);
    moveThenTurn.Multiply(Rotation(pi / 2));
    EXPECT_TRUE(Near(VhPoint(1, 0) * moveThenTurn, 0, 11));
    moveThenTurn.TranslateBack(VhPoint(0, 11));
    EXPECT_TRUE(Near(VhPoint(1, 0) * moveThenTurn, 0, 0));
    EXPECT_TRUE(Near(turnThenMove.ApplyToVector(VhPoint(1, 0)), 0, 1));

    VhTrans tilt;
    tilt.RotateX(pi / 2);
    EXPECT_TRUE(Near(VhPoint(0, 1, 0) * tilt, 0, 0, -1));

    // Scale takes divisors.
    VhTrans scale;
    scale.Scale(0.5, 0.25, 1);
    EXPECT_TRUE(Near(VhPoint(1, 1, 1) * scale, 2, 4, 1));
    EXPECT_EQ(2.0, scale.GetScaleX());
    EXPECT_EQ(4.0, scale.GetScaleY());
    // Far beyond the device's range, or no number at all after a zero divisor.
    VhTrans huge;
    huge.Scale(1e-300, 1, 1);
    EXPECT_EQ(INT_MAX, (VhPoint(1, 1) * huge).Round().x);
    VhTrans byZero;
    byZero.Scale(0, 1, 1);
    EXPECT_TRUE(std::isnan((VhPoint(1, 1) * byZero).x));
    EXPECT_EQ(0, (VhPoint(1, 1) * byZero).Round().x);
}

TEST(VhTrans, InverseMultipliesBackToTheIdentity)
{
    VhTrans trans = Rotation(0.7);
    trans.Translate(VhPoint(3, -4, 2));
    trans.Scale(2, 0.5, 4);
    VhTrans inverse(trans);
    inverse.Invert();
    VhTrans product(trans);
    product.Multiply(inverse);
    VhTrans identity;
    EXPECT_TRUE(product.IsEqual(&identity));
    EXPECT_TRUE(Near(VhPoint(5, 6, 7) * trans * inverse, 5, 6, 7));
    EXPECT_FALSE(trans.IsEqual(&identity));
}

TEST(VhTrans, EqualWithinTheToleranceValueByValue)
{
    VhTrans a = Translation(1, 1);
    VhTrans within = Translation(1.005, 0.995);
    VhTrans beyond = Translation(1, 1.02);
    EXPECT_TRUE(a.IsEqual(&within));
    EXPECT_FALSE(a.IsEqual(&beyond));
    VhPoint notATrans;
    EXPECT_FALSE(a.IsEqual(&notATrans));
    std::unique_ptr<VhTrans> clone(a.Clone());
    EXPECT_TRUE(clone->IsEqual(&a));
}

TEST(VhValue, EqualityAndAssignment)
{
    VhValue zero(5, 5, 0);
    VhValue negativeZero(5, 5, 0);
    negativeZero.SetDouble(2, -0.0);
    EXPECT_TRUE(zero.IsEqual(&negativeZero));
    VhValue longer(5, 6, 0);
    EXPECT_FALSE(zero.IsEqual(&longer));
    VhValue otherInt(5, 5, 0);
    otherInt.SetInt(4, 1);
    EXPECT_FALSE(zero.IsEqual(&otherInt));
    VhValue text(0, 0, 1), otherText(0, 0, 1);
    text.SetString(0, "表");
    otherText.SetString(0, "表示");
    EXPECT_FALSE(text.IsEqual(&otherText));
    VhPoint notAValue;
    EXPECT_FALSE(zero.IsEqual(&notAValue));

    VhValue copy(otherInt);
    EXPECT_TRUE(copy.IsEqual(&otherInt));
    EXPECT_NE(copy.GetSerialId(), otherInt.GetSerialId());
    copy = copy;
    EXPECT_TRUE(copy.IsEqual(&otherInt));
    copy = text;
    EXPECT_TRUE(copy.IsEqual(&text));
}
