#include "print/VhFigureLine.h"

#include "print/VhFigureRect.h"
#include "print/VhMath.h"

#include <cmath>

IMPLEMENT_SERIAL(VhFigureLine, VhFigure, 0)

namespace {

bool IsFinite(const VhPoint& point)
{
    return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

// The lowest bit set in code, or 0.
int LowestBit(int code) { return code & -code; }

// The point where the line from start along delta meets the boundary of rect that bit names.
VhPoint BoundaryPoint(const VhFigureRect& rect, int bit, const VhPoint& start, const VhPoint& delta)
{
    const VhPoint& low = rect.GetCorner1();
    const VhPoint& high = rect.GetCorner2();
    VhPoint point;
    if (bit == 1 || bit == 2) {
        point.x = bit == 1 ? low.x : high.x;
        point.y = delta.y / delta.x * (point.x - start.x) + start.y;
        point.z = delta.z / delta.x * (point.x - start.x) + start.z;
    } else if (bit == 4 || bit == 8) {
        point.y = bit == 4 ? low.y : high.y;
        point.x = delta.x / delta.y * (point.y - start.y) + start.x;
        point.z = delta.z / delta.y * (point.y - start.y) + start.z;
    } else {
        point.z = bit == 16 ? low.z : high.z;
        point.x = delta.x / delta.z * (point.z - start.z) + start.x;
        point.y = delta.y / delta.z * (point.z - start.z) + start.y;
    }
    return point;
}

// The coefficients (a, b, c) of the line a·x + b·y + c = 0 through the two ends.
void LineCoefficients(const VhFigureLine& line, double& a, double& b, double& c)
{
    const VhPoint& p1 = line.GetEnd1();
    const VhPoint& p2 = line.GetEnd2();
    a = p2.y - p1.y;
    b = p1.x - p2.x;
    c = p1.y * p2.x - p2.y * p1.x;
}

} // namespace

void VhFigureLine::Transform(const VhTrans& trans)
{
    trans.Apply(m_end1);
    trans.Apply(m_end2);
}

BOOL VhFigureLine::CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const
{
    points.RemoveAll();
    return OfferLine(other, *this, points, useEx);
}

BOOL VhFigureLine::GetExtent(const VhTrans* trans, VhFigureRect* extent) const
{
    const VhPoint ends[] = {m_end1, m_end2};
    return BoundPoints(ends, 2, CombinedTrans(trans), extent);
}

BOOL VhFigureLine::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return point.IsNearSegment(m_end1, m_end2, tolerance, is3D);
}

BOOL VhFigureLine::IsParallel(const VhFigureLine& other, BOOL is3D) const
{
    VhPoint direction = m_end2 - m_end1;
    VhPoint otherDirection = other.m_end2 - other.m_end1;
    if (direction.Length(is3D) <= VhTolerance || otherDirection.Length(is3D) <= VhTolerance)
        return FALSE;
    return VhPoint::Cross(direction, otherDirection, is3D).Length(TRUE) <= VhTolerance;
}

BOOL VhFigureLine::ReachesCrossing(const VhPoint& point) const
{
    bool nearerEnd2 = point.Distance(m_end2, FALSE) <= point.Distance(m_end1, FALSE);
    int endFlag = nearerEnd2 ? m_endFlag2 : m_endFlag1;
    return endFlag != 1 || HitOutline(point, -1, FALSE);
}

BOOL VhFigureLine::CrossWithLine(const VhFigureLine& line, VhPointArray& points) const
{
    // A line no longer than the tolerance has no direction to cross with.
    if ((m_end2 - m_end1).Length(FALSE) <= VhTolerance || (line.m_end2 - line.m_end1).Length(FALSE) <= VhTolerance)
        return FALSE;
    if (IsParallel(line, FALSE))
        return FALSE;
    double a1, b1, c1, a2, b2, c2;
    LineCoefficients(*this, a1, b1, c1);
    LineCoefficients(line, a2, b2, c2);
    double divisor = a1 * b2 - a2 * b1;
    VhPoint crossing((b1 * c2 - b2 * c1) / divisor, (a2 * c1 - a1 * c2) / divisor, 0.0);
    if (!ReachesCrossing(crossing) || !line.ReachesCrossing(crossing))
        return FALSE;
    points.Add(crossing);
    return TRUE;
}

BOOL VhFigureLine::ClipToRect(const VhFigureRect& rect, BOOL is3D)
{
    if (!IsFinite(m_end1) || !IsFinite(m_end2))
        return FALSE;
    VhFigureRect bounds(rect);
    bounds.Normalize();
    VhPoint ends[2] = {m_end1, m_end2};
    const VhPoint delta = m_end2 - m_end1;
    int codes[2] = {bounds.GetOutCode(ends[0], -1, is3D), bounds.GetOutCode(ends[1], -1, is3D)};
    // Each end moves to each boundary at most once, so the loop ends even where rounding leaves
    // a moved end outside again.
    int boundariesUsed[2] = {0, 0};
    while (codes[0] | codes[1]) {
        if (codes[0] & codes[1])
            return FALSE;
        int end = codes[0] ? 0 : 1;
        int bit = LowestBit(codes[end] & ~boundariesUsed[end]);
        if (!bit)
            return FALSE;
        boundariesUsed[end] |= bit;
        ends[end] = BoundaryPoint(bounds, bit, ends[0], delta);
        codes[end] = bounds.GetOutCode(ends[end], -1, is3D);
    }
    if (!IsFinite(ends[0]) || !IsFinite(ends[1]))
        return FALSE;
    m_end1 = ends[0];
    m_end2 = ends[1];
    return TRUE;
}

BOOL VhFigureLine::IsEqual(const VhObject* other) const
{
    if (!VhFigure::IsEqual(other))
        return FALSE;
    const auto* line = static_cast<const VhFigureLine*>(other);
    return m_end1.IsEqual(&line->m_end1) && m_end2.IsEqual(&line->m_end2) && m_endFlag1 == line->m_endFlag1 &&
           m_endFlag2 == line->m_endFlag2;
}

void VhFigureLine::Serialize(CArchive& ar)
{
    VhFigure::Serialize(ar);
    m_end1.Serialize(ar);
    m_end2.Serialize(ar);
    VhValue::SerializeRecord(ar, 5, 0, {&m_endFlag1, &m_endFlag2}, {});
}
