#include "print/VhFigurePolygon.h"

#include "print/VhFigureLine.h"
#include "print/VhMath.h"

#include <cmath>

IMPLEMENT_SERIAL(VhFigurePolygon, VhFigurePolyline, 0)

namespace {

// The turn from one angle to the next, within -pi to pi.
double Turn(double from, double to)
{
    double turn = to - from;
    if (turn < 0)
        turn += 2 * VhGetPi();
    if (turn > VhGetPi())
        turn -= 2 * VhGetPi();
    return turn;
}

} // namespace

VhFigureLine VhFigurePolygon::GetClosingSide() const
{
    return VhFigureLine(GetPoint(GetPointCount() - 1), GetPoint(0));
}

BOOL VhFigurePolygon::CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const
{
    VhFigurePolyline::CrossPoints(other, points, useEx);
    if (GetPointCount() < 3)
        return FALSE;
    return OfferLine(other, GetClosingSide(), points, useEx);
}

BOOL VhFigurePolygon::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    if (VhFigurePolyline::HitOutline(point, tolerance, is3D))
        return TRUE;
    return GetPointCount() > 0 && GetClosingSide().HitOutline(point, tolerance, is3D);
}

BOOL VhFigurePolygon::HitInside(const VhPoint& point, double tolerance, BOOL is3D) const
{
    if (HitOutline(point, tolerance, is3D))
        return TRUE;
    if (GetPointCount() < 3)
        return FALSE;
    const double first = (GetPoint(0) - point).Angle();
    double previous = first;
    double sum = 0.0;
    for (int i = 1; i < GetPointCount(); ++i) {
        double angle = (GetPoint(i) - point).Angle();
        sum += Turn(previous, angle);
        previous = angle;
    }
    sum += Turn(previous, first);
    return std::fabs(std::fabs(sum) - 2 * VhGetPi()) <= VhTolerance;
}
