// A closed chain of points: the last point joins the first.
#pragma once

#include "print/VhFigurePolyline.h"

class VhFigurePolygon : public VhFigurePolyline {
    DECLARE_SERIAL(VhFigurePolygon)
public:
    VhFigurePolygon() = default;

    VhFigurePolygon* Clone() const override { return new VhFigurePolygon(*this); }
    // Empties points; with at least 3 points offers the closing side to other, and gives its result.
    BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const override;
    // Near a segment or the closing side.
    BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const override;
    // On the outline, or enclosed: the angles that the points turn about point add up to a full
    // turn, in either direction (the tolerance applies to the outline only).
    BOOL HitInside(const VhPoint& point, double tolerance, BOOL is3D) const override;

private:
    VhFigureLine GetClosingSide() const;
};
