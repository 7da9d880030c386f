#include "print/VhFigureRect.h"

#include "print/VhFigureLine.h"
#include "print/VhMath.h"

#include <algorithm>
#include <utility>

IMPLEMENT_SERIAL(VhFigureRect, VhFigure, 0)

void VhFigureRect::Transform(const VhTrans& trans)
{
    trans.Apply(m_corner1);
    trans.Apply(m_corner2);
}

BOOL VhFigureRect::CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const
{
    points.RemoveAll();
    static const int sides[4][2] = {{0, 2}, {2, 8}, {6, 8}, {0, 6}};
    BOOL crossed = FALSE;
    for (const auto& side : sides) {
        VhFigureLine line(GetAnchorPoint(side[0]), GetAnchorPoint(side[1]));
        if (OfferLine(other, line, points, useEx))
            crossed = TRUE;
    }
    return crossed;
}

BOOL VhFigureRect::GetExtent(const VhTrans* trans, VhFigureRect* extent) const
{
    const VhPoint corners[] = {m_corner1, VhPoint(m_corner2.x, m_corner1.y, m_corner1.z),
                               VhPoint(m_corner2.x, m_corner2.y, m_corner1.z),
                               VhPoint(m_corner1.x, m_corner2.y, m_corner1.z)};
    return BoundPoints(corners, 4, CombinedTrans(trans), extent);
}

BOOL VhFigureRect::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    static const int sides[4][2] = {{0, 6}, {6, 8}, {8, 2}, {2, 0}};
    for (const auto& side : sides)
        if (point.IsNearSegment(GetAnchorPoint(side[0]), GetAnchorPoint(side[1]), tolerance, is3D))
            return TRUE;
    return FALSE;
}

BOOL VhFigureRect::HitInside(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return GetOutCode(point, tolerance, is3D) == 0;
}

void VhFigureRect::Normalize()
{
    if (m_corner1.x > m_corner2.x)
        std::swap(m_corner1.x, m_corner2.x);
    if (m_corner1.y > m_corner2.y)
        std::swap(m_corner1.y, m_corner2.y);
    m_corner2.z = m_corner1.z;
}

void VhFigureRect::Union(const VhFigureRect& other)
{
    m_corner1.Set(std::min(m_corner1.x, other.m_corner1.x), std::min(m_corner1.y, other.m_corner1.y));
    m_corner2.Set(std::max(m_corner2.x, other.m_corner2.x), std::max(m_corner2.y, other.m_corner2.y));
}

VhPoint VhFigureRect::GetCenter() const { return VhPoint::Divide(m_corner1, m_corner2, 1, 1); }

VhPoint VhFigureRect::GetAnchorPoint(int index) const
{
    if (index < 0 || index > 8)
        index = 0;
    const double xs[3] = {m_corner1.x, (m_corner1.x + m_corner2.x) * 0.5, m_corner2.x};
    const double ys[3] = {m_corner1.y, (m_corner1.y + m_corner2.y) * 0.5, m_corner2.y};
    return VhPoint(xs[index / 3], ys[index % 3], 0.0);
}

int VhFigureRect::GetOutCode(const VhPoint& point, double tolerance, BOOL is3D) const
{
    double tol = VhToleranceOr(tolerance);
    int code = 0;
    if (point.x < m_corner1.x - tol)
        code |= 1;
    if (point.x > m_corner2.x + tol)
        code |= 2;
    if (point.y < m_corner1.y - tol)
        code |= 4;
    if (point.y > m_corner2.y + tol)
        code |= 8;
    if (is3D && point.z < m_corner1.z - tol)
        code |= 16;
    if (is3D && point.z > m_corner2.z + tol)
        code |= 32;
    return code;
}

BOOL VhFigureRect::IsEqual(const VhObject* other) const
{
    if (!VhFigure::IsEqual(other))
        return FALSE;
    const auto* rect = static_cast<const VhFigureRect*>(other);
    return m_corner1.IsEqual(&rect->m_corner1) && m_corner2.IsEqual(&rect->m_corner2);
}

void VhFigureRect::Serialize(CArchive& ar)
{
    VhFigure::Serialize(ar);
    m_corner1.Serialize(ar);
    m_corner2.Serialize(ar);
    VhValue::SerializeRecord(ar, 0, 0, {}, {});
}
