// A rectangle between two corners, also the plain rectangle type of the drawing classes
// (extents, clipping). Normalised, corner 1 holds the smaller x and y, corner 2 the larger.
#pragma once

#include "print/VhFigure.h"

class VhFigureRect : public VhFigure {
    DECLARE_SERIAL(VhFigureRect)
public:
    VhFigureRect() = default;
    VhFigureRect(const VhPoint& corner1, const VhPoint& corner2) : m_corner1(corner1), m_corner2(corner2) {}
    VhFigureRect(const VhFigureRect& other) = default;
    VhFigureRect& operator=(const VhFigureRect& other) = default;

    VhFigureRect* Clone() const override { return new VhFigureRect(*this); }
    // Both corners; the rectangle is not normalised afterwards.
    void Transform(const VhTrans& trans) override;
    // Empties points and offers the four sides to other; 1 when any side crosses it.
    BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const override;
    BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const override;
    BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const override;
    // Within the rectangle grown by the tolerance.
    BOOL HitInside(const VhPoint& point, double tolerance, BOOL is3D) const override;

    // Swaps the x values and the y values where corner 1 holds the larger; corner 2 takes
    // corner 1's z.
    void Normalize();
    // Grows x and y to hold other too; z stays.
    void Union(const VhFigureRect& other);
    VhPoint GetCenter() const;
    // Index 0 to 8: x at corner 1 for 0 to 2, the middle for 3 to 5, corner 2 for 6 to 8; y at
    // corner 1, the middle, corner 2 for the index modulo 3 of 0, 1, 2; z 0. Any other index is
    // taken as 0.
    VhPoint GetAnchorPoint(int index) const;
    // Bits 1 and 2: x below or above the rectangle by more than the tolerance (negative:
    // VhTolerance); 4 and 8: y; with is3D, 16 and 32: z.
    int GetOutCode(const VhPoint& point, double tolerance, BOOL is3D) const;

    const VhPoint& GetCorner1() const { return m_corner1; }
    const VhPoint& GetCorner2() const { return m_corner2; }
    // Corner 2 less corner 1 along x, along y (negative where corner 1 holds the larger).
    double GetWidth() const { return m_corner2.x - m_corner1.x; }
    double GetHeight() const { return m_corner2.y - m_corner1.y; }
    void SetCorners(const VhPoint& corner1, const VhPoint& corner2)
    {
        m_corner1 = corner1;
        m_corner2 = corner2;
    }

    BOOL IsEqual(const VhObject* other) const override;
    // The figure part, corner 1, corner 2, and an empty record.
    void Serialize(CArchive& ar) override;

private:
    VhPoint m_corner1;
    VhPoint m_corner2;
};
