// A group of drawables that it owns: every operation goes to each child in order, and the
// setters leave the composition's own attributes as they are.
#pragma once

#include "print/VhDraw.h"

class VhDrawComposition : public VhDraw {
    DECLARE_SERIAL(VhDrawComposition)
public:
    VhDrawComposition() = default;
    // The own attributes as a drawable copies them, and a clone of every child.
    VhDrawComposition(const VhDrawComposition& other);
    // Deletes every child.
    ~VhDrawComposition() override;

    // Appends child; the composition owns it.
    void Add(VhDraw* child) { m_children.AddTail(child); }
    const CObList& GetChildren() const { return m_children; }

    VhDrawComposition* Clone() const override { return new VhDrawComposition(*this); }
    // 1 at the first child that gives non-zero, else 0.
    BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const override;
    BOOL HitInside(const VhPoint& point, double tolerance, BOOL is3D) const override;
    BOOL HitByFill(const VhPoint& point, double tolerance, BOOL is3D) const override;
    // 1 when a child is hit on its outline, else 2 when one is hit inside, else 0.
    int Hit(const VhPoint& point, double tolerance, BOOL is3D) const override;
    // Draws every child; 1 when any drew.
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;
    void Transform(const VhTrans& trans) override;
    BOOL IsFilled() const override { return FALSE; }
    void SetTrans(const VhTrans* trans) override;
    const VhTrans* GetTrans() const override { return nullptr; }
    // The union of the children's extents; 0, with extent untouched, when extent is missing or
    // no child has an extent.
    BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const override;
    void SetLineType(int lineType) override;
    void SetLineWidth(int lineWidth) override;
    void SetStyleOption(int styleOption) override;
    void SetColor(int color) override;
    void SetHatch(int hatch) override;
    void SetROP2(int rop) override;
    void SetBkMode(int bkMode) override;
    void SetStyleValue(double styleValue) override;

    // As a drawable, with as many children, each equal to the other's in order.
    BOOL IsEqual(const VhObject* other) const override;
    // The drawable part, the children as an object list, and an empty record. Loading replaces
    // the children; a child that is not a drawable, or a reference to an object read before,
    // throws CArchiveException.
    void Serialize(CArchive& ar) override;

private:
    // Calls visit for every child in order.
    template <typename Visit> void ForEachChild(Visit visit) const
    {
        for (POSITION pos = m_children.GetHeadPosition(); pos;)
            visit(static_cast<VhDraw*>(m_children.GetNext(pos)));
    }
    // Whether a child's hit test gives non-zero; the children after it are not asked.
    BOOL AnyChildHits(BOOL (VhDraw::*test)(const VhPoint&, double, BOOL) const, const VhPoint& point, double tolerance,
                      BOOL is3D) const;
    // Gives value to the setter of every child.
    template <typename Value> void SetOnChildren(void (VhDraw::*setter)(Value), Value value)
    {
        ForEachChild([&](VhDraw* child) { (child->*setter)(value); });
    }
    void DeleteChildren();

    CObList m_children;
};
