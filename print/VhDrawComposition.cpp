#include "print/VhDrawComposition.h"

IMPLEMENT_SERIAL(VhDrawComposition, VhDraw, 0)

VhDrawComposition::VhDrawComposition(const VhDrawComposition& other) : VhDraw(other)
{
    other.ForEachChild([this](VhDraw* child) { Add(child->Clone()); });
}

VhDrawComposition::~VhDrawComposition() { DeleteChildren(); }

void VhDrawComposition::DeleteChildren()
{
    while (!m_children.IsEmpty())
        delete m_children.RemoveHead();
}

BOOL VhDrawComposition::HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return AnyChildHits(&VhDraw::HitOutline, point, tolerance, is3D);
}

BOOL VhDrawComposition::HitInside(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return AnyChildHits(&VhDraw::HitInside, point, tolerance, is3D);
}

BOOL VhDrawComposition::HitByFill(const VhPoint& point, double tolerance, BOOL is3D) const
{
    return AnyChildHits(&VhDraw::HitByFill, point, tolerance, is3D);
}

BOOL VhDrawComposition::AnyChildHits(BOOL (VhDraw::*test)(const VhPoint&, double, BOOL) const, const VhPoint& point,
                                     double tolerance, BOOL is3D) const
{
    BOOL hit = FALSE;
    ForEachChild([&](VhDraw* child) { hit = hit || (child->*test)(point, tolerance, is3D); });
    return hit;
}

int VhDrawComposition::Hit(const VhPoint& point, double tolerance, BOOL is3D) const
{
    bool outline = false, inside = false;
    ForEachChild([&](VhDraw* child) {
        int hit = child->Hit(point, tolerance, is3D);
        outline = outline || hit == 1;
        inside = inside || hit == 2;
    });
    return outline ? 1 : inside ? 2 : 0;
}

int VhDrawComposition::Draw(VhDrawImp* imp, const VhTrans* trans) const
{
    int drawn = 0;
    ForEachChild([&](VhDraw* child) {
        if (child->Draw(imp, trans))
            drawn = 1;
    });
    return drawn;
}

void VhDrawComposition::Transform(const VhTrans& trans)
{
    ForEachChild([&](VhDraw* child) { child->Transform(trans); });
}

void VhDrawComposition::SetTrans(const VhTrans* trans)
{
    ForEachChild([&](VhDraw* child) { child->SetTrans(trans); });
}

BOOL VhDrawComposition::GetExtent(const VhTrans* trans, VhFigureRect* extent) const
{
    if (!extent)
        return FALSE;
    bool found = false;
    ForEachChild([&](VhDraw* child) {
        VhFigureRect childExtent;
        if (!child->GetExtent(trans, &childExtent))
            return;
        if (found)
            extent->Union(childExtent);
        else
            *extent = childExtent;
        found = true;
    });
    return found;
}

void VhDrawComposition::SetLineType(int lineType) { SetOnChildren(&VhDraw::SetLineType, lineType); }

void VhDrawComposition::SetLineWidth(int lineWidth) { SetOnChildren(&VhDraw::SetLineWidth, lineWidth); }

void VhDrawComposition::SetStyleOption(int styleOption) { SetOnChildren(&VhDraw::SetStyleOption, styleOption); }

void VhDrawComposition::SetColor(int color) { SetOnChildren(&VhDraw::SetColor, color); }

void VhDrawComposition::SetHatch(int hatch) { SetOnChildren(&VhDraw::SetHatch, hatch); }

void VhDrawComposition::SetROP2(int rop) { SetOnChildren(&VhDraw::SetROP2, rop); }

void VhDrawComposition::SetBkMode(int bkMode) { SetOnChildren(&VhDraw::SetBkMode, bkMode); }

void VhDrawComposition::SetStyleValue(double styleValue) { SetOnChildren(&VhDraw::SetStyleValue, styleValue); }

BOOL VhDrawComposition::IsEqual(const VhObject* other) const
{
    if (!VhDraw::IsEqual(other))
        return FALSE;
    const CObList& otherChildren = static_cast<const VhDrawComposition*>(other)->m_children;
    if (otherChildren.GetCount() != m_children.GetCount())
        return FALSE;
    POSITION otherPos = otherChildren.GetHeadPosition();
    for (POSITION pos = m_children.GetHeadPosition(); pos;) {
        const auto* child = static_cast<const VhDraw*>(m_children.GetNext(pos));
        if (!child->IsEqual(static_cast<const VhDraw*>(otherChildren.GetNext(otherPos))))
            return FALSE;
    }
    return TRUE;
}

void VhDrawComposition::Serialize(CArchive& ar)
{
    VhDraw::Serialize(ar);
    if (ar.IsStoring()) {
        m_children.Serialize(ar);
    } else {
        CObList children;
        LoadOwnedList(ar, children, RUNTIME_CLASS(VhDraw));
        DeleteChildren();
        while (!children.IsEmpty())
            Add(static_cast<VhDraw*>(children.RemoveHead()));
    }
    VhValue::SerializeRecord(ar, 0, 0, {}, {});
}
