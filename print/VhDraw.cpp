#include "print/VhDraw.h"

#include "print/VhMath.h"

IMPLEMENT_DYNAMIC(VhDraw, VhObject)

VhDraw::VhDraw(const VhDraw& other)
    : VhObject(other), m_reserved(other.m_reserved), m_lineType(other.m_lineType), m_lineWidth(other.m_lineWidth),
      m_styleOption(other.m_styleOption), m_color(other.m_color), m_hatch(other.m_hatch), m_rop(other.m_rop),
      m_bkMode(other.m_bkMode)
{
}

BOOL VhDraw::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    const VhFigure* figure = GetFigure();
    return figure ? figure->HitOutline(point, tolerance, is3D) : FALSE;
}

BOOL VhDraw::HitInside(const VhPoint& point, double tolerance, BOOL is3D) const
{
    const VhFigure* figure = GetFigure();
    return figure ? figure->HitInside(point, tolerance, is3D) : FALSE;
}

int VhDraw::Hit(const VhPoint& point, double tolerance, BOOL is3D) const
{
    const VhFigure* figure = GetFigure();
    return figure ? figure->Hit(point, tolerance, is3D) : 0;
}

BOOL VhDraw::HitByFill(const VhPoint& point, double tolerance, BOOL is3D) const
{
    const VhFigure* figure = GetFigure();
    if (!figure)
        return FALSE;
    return IsFilled() ? figure->HitInside(point, tolerance, is3D) : figure->HitOutline(point, tolerance, is3D);
}

void VhDraw::Transform(const VhTrans& trans)
{
    if (VhFigure* figure = GetFigure())
        figure->Transform(trans);
}

BOOL VhDraw::IsFilled() const
{
    const VhFigure* figure = GetFigure();
    return figure ? figure->GetFillFlag() : FALSE;
}

void VhDraw::SetTrans(const VhTrans* trans)
{
    if (VhFigure* figure = GetFigure())
        figure->SetTrans(trans);
}

const VhTrans* VhDraw::GetTrans() const
{
    const VhFigure* figure = GetFigure();
    return figure ? figure->GetTrans() : nullptr;
}

BOOL VhDraw::GetExtent(const VhTrans* trans, VhFigureRect* extent) const
{
    const VhFigure* figure = GetFigure();
    return figure ? figure->GetExtent(trans, extent) : FALSE;
}

void VhDraw::SetAttributes(const int attributes[4])
{
    SetColor(attributes[0]);
    SetLineType(attributes[1]);
    SetLineWidth(attributes[2]);
    SetHatch(attributes[3]);
}

void VhDraw::SetHatch(int hatch)
{
    m_hatch = hatch;
    if (VhFigure* figure = GetFigure())
        figure->SetFillFlag(hatch != NoHatch ? 1 : 0);
}

BOOL VhDraw::IsEqual(const VhObject* other) const
{
    if (!other || other->GetRuntimeClass() != GetRuntimeClass())
        return FALSE;
    const auto* draw = static_cast<const VhDraw*>(other);
    if (m_reserved != draw->m_reserved || m_lineType != draw->m_lineType || m_lineWidth != draw->m_lineWidth ||
        m_styleOption != draw->m_styleOption || m_color != draw->m_color || m_hatch != draw->m_hatch ||
        m_rop != draw->m_rop || m_bkMode != draw->m_bkMode || !VhIsSameValue(m_styleValue, draw->m_styleValue))
        return FALSE;
    const VhFigure* figure = GetFigure();
    const VhFigure* otherFigure = draw->GetFigure();
    return !figure || !otherFigure || figure->IsEqual(otherFigure);
}

void VhDraw::Serialize(CArchive& ar)
{
    VhValue::SerializeRecord(
        ar, 10, 5, {&m_reserved, &m_lineType, &m_lineWidth, &m_styleOption, &m_color, &m_hatch, &m_rop, &m_bkMode},
        {&m_styleValue});
}

void VhDraw::SerializeWithFigure(CArchive& ar, VhFigure& figure)
{
    VhDraw::Serialize(ar);
    figure.Serialize(ar);
    VhValue::SerializeRecord(ar, 0, 0, {}, {});
}
