// A circle in the plane: a centre and a radius.
#pragma once

#include "print/VhFigure.h"

class VhFigureCircle : public VhFigure {
    DECLARE_SERIAL(VhFigureCircle)
public:
    VhFigureCircle() = default;
    VhFigureCircle(const VhPoint& centre, double radius) : m_centre(centre), m_radius(radius) {}

    VhFigureCircle* Clone() const override { return new VhFigureCircle(*this); }
    // The centre moves; the radius becomes the distance from the new centre to the image of the
    // point one radius along x.
    void Transform(const VhTrans& trans) override;
    // 0; points untouched.
    BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const override;
    // The bounds of the square around the circle.
    BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const override;
    // Within the tolerance of the circle line.
    BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const override;
    // No further from the centre than the radius and the tolerance.
    BOOL HitInside(const VhPoint& point, double tolerance, BOOL is3D) const override;

    const VhPoint& GetCentre() const { return m_centre; }
    double GetRadius() const { return m_radius; }
    void SetCentre(const VhPoint& centre) { m_centre = centre; }
    void SetRadius(double radius) { m_radius = radius; }

    // The same class, equal centres and the same radius.
    BOOL IsEqual(const VhObject* other) const override;
    // The figure part, the centre, a record of 5 doubles all 0, and the same record holding the
    // radius in double 0; loading takes the radius from the second record.
    void Serialize(CArchive& ar) override;

private:
    VhPoint m_centre;
    double m_radius = 0.0;
};
