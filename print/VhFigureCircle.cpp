#include "print/VhFigureCircle.h"

#include "print/VhMath.h"

#include <cmath>

IMPLEMENT_SERIAL(VhFigureCircle, VhFigure, 0)

void VhFigureCircle::Transform(const VhTrans& trans)
{
    VhPoint edge(m_centre.x + m_radius, m_centre.y, 0.0);
    trans.Apply(m_centre);
    trans.Apply(edge);
    m_radius = m_centre.Distance(edge, FALSE);
}

BOOL VhFigureCircle::CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const { return FALSE; }

BOOL VhFigureCircle::GetExtent(const VhTrans* trans, VhFigureRect* extent) const
{
    const VhPoint corners[] = {m_centre - VhPoint(m_radius, m_radius), m_centre + VhPoint(m_radius, m_radius),
                               m_centre - VhPoint(m_radius, -m_radius), m_centre + VhPoint(m_radius, -m_radius)};
    return BoundPoints(corners, 4, CombinedTrans(trans), extent);
}

BOOL VhFigureCircle::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return std::fabs(m_centre.Distance(point, is3D) - m_radius) <= VhToleranceOr(tolerance);
}

BOOL VhFigureCircle::HitInside(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return m_centre.Distance(point, is3D) <= m_radius + VhToleranceOr(tolerance);
}

BOOL VhFigureCircle::IsEqual(const VhObject* other) const
{
    if (!VhFigure::IsEqual(other))
        return FALSE;
    const auto* circle = static_cast<const VhFigureCircle*>(other);
    return m_centre.IsEqual(&circle->m_centre) && VhIsSameValue(m_radius, circle->m_radius);
}

void VhFigureCircle::Serialize(CArchive& ar)
{
    VhFigure::Serialize(ar);
    m_centre.Serialize(ar);
    VhValue::SerializeRecord(ar, 0, 5, {}, {});
    VhValue::SerializeRecord(ar, 0, 5, {}, {&m_radius});
}
