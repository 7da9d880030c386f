#include "print/VhFigurePolyline.h"

IMPLEMENT_SERIAL(VhFigurePolyline, VhFigure, 0)

VhFigurePolyline::VhFigurePolyline(const VhFigurePolyline& other) : VhFigure(other) { m_points.Copy(other.m_points); }

VhFigurePolyline& VhFigurePolyline::operator=(const VhFigurePolyline& other)
{
    VhFigure::operator=(other);
    m_points.Copy(other.m_points);
    return *this;
}

void VhFigurePolyline::Transform(const VhTrans& trans)
{
    for (int i = 0; i < GetPointCount(); ++i)
        trans.Apply(m_points[i]);
}

BOOL VhFigurePolyline::CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const
{
    points.RemoveAll();
    return FALSE;
}

BOOL VhFigurePolyline::GetExtent(const VhTrans* trans, VhFigureRect* extent) const
{
    if (GetPointCount() < 2)
        return FALSE;
    return BoundPoints(m_points.GetData(), m_points.GetSize(), CombinedTrans(trans), extent);
}

BOOL VhFigurePolyline::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    for (int i = 0; i + 1 < GetPointCount(); ++i)
        if (point.IsNearSegment(m_points[i], m_points[i + 1], tolerance, is3D))
            return TRUE;
    return FALSE;
}

BOOL VhFigurePolyline::IsEqual(const VhObject* other) const
{
    if (!VhFigure::IsEqual(other))
        return FALSE;
    const auto* polyline = static_cast<const VhFigurePolyline*>(other);
    if (polyline->GetPointCount() != GetPointCount())
        return FALSE;
    for (int i = 0; i < GetPointCount(); ++i)
        if (!m_points[i].IsEqual(&polyline->m_points[i]))
            return FALSE;
    return TRUE;
}

void VhFigurePolyline::Serialize(CArchive& ar)
{
    VhFigure::Serialize(ar);
    m_points.Serialize(ar);
    VhValue::SerializeRecord(ar, 0, 0, {}, {});
}
