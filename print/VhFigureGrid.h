// A regular grid: an origin, a pitch along the grid's own x and y directions, the angle by
// which those directions are turned, and a drawing style (0 to 2 node marks, 3 lines). It has
// no extent and is never hit.
#pragma once

#include "print/VhFigure.h"

class VhFigureGrid : public VhFigure {
    DECLARE_SERIAL(VhFigureGrid)
public:
    VhFigureGrid() = default;

    VhFigureGrid* Clone() const override { return new VhFigureGrid(*this); }
    // The origin moves, the pitch becomes the image of origin + pitch less the new origin, and
    // the angle turns with the x axis.
    void Transform(const VhTrans& trans) override;
    // 0; points untouched.
    BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const override;

    const VhPoint& GetOrigin() const { return m_origin; }
    const VhPoint& GetPitch() const { return m_pitch; }
    double GetAngle() const { return m_angle; }
    int GetStyle() const { return m_style; }
    void SetOrigin(const VhPoint& origin) { m_origin = origin; }
    void SetPitch(const VhPoint& pitch) { m_pitch = pitch; }
    void SetAngle(double radians) { m_angle = radians; }
    void SetStyle(int style) { m_style = style; }

    BOOL IsEqual(const VhObject* other) const override;
    // The figure part, the origin, the pitch, and a record of 5 ints (style) and 5 doubles (angle).
    void Serialize(CArchive& ar) override;

private:
    VhPoint m_origin;
    VhPoint m_pitch;
    double m_angle = 0.0;
    int m_style = 0;
};
