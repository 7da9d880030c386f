#include "print/VhFigureGrid.h"

#include "print/VhMath.h"

IMPLEMENT_SERIAL(VhFigureGrid, VhFigure, 0)

void VhFigureGrid::Transform(const VhTrans& trans)
{
    VhPoint corner = m_origin + m_pitch;
    trans.Apply(m_origin);
    trans.Apply(corner);
    m_pitch = corner - m_origin;
    m_angle += trans.ApplyToVector(VhPoint(1, 0, 0)).Angle();
}

BOOL VhFigureGrid::CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const { return FALSE; }

BOOL VhFigureGrid::IsEqual(const VhObject* other) const
{
    if (!VhFigure::IsEqual(other))
        return FALSE;
    const auto* grid = static_cast<const VhFigureGrid*>(other);
    return m_origin.IsEqual(&grid->m_origin) && m_pitch.IsEqual(&grid->m_pitch) &&
           VhIsSameValue(m_angle, grid->m_angle) && m_style == grid->m_style;
}

void VhFigureGrid::Serialize(CArchive& ar)
{
    VhFigure::Serialize(ar);
    m_origin.Serialize(ar);
    m_pitch.Serialize(ar);
    VhValue::SerializeRecord(ar, 5, 5, {&m_style}, {&m_angle});
}
