// An open chain of points. Crossings of its segments are not computed.
#pragma once

#include "print/VhFigure.h"

class VhFigurePolyline : public VhFigure {
    DECLARE_SERIAL(VhFigurePolyline)
public:
    VhFigurePolyline() = default;
    VhFigurePolyline(const VhFigurePolyline& other);
    VhFigurePolyline& operator=(const VhFigurePolyline& other);

    VhFigurePolyline* Clone() const override { return new VhFigurePolyline(*this); }
    void Transform(const VhTrans& trans) override;
    // Empties points; 0.
    BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const override;
    // 0 with fewer than 2 points.
    BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const override;
    // Near a segment from one point to the next.
    BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const override;

    int GetPointCount() const { return static_cast<int>(m_points.GetSize()); }
    const VhPoint& GetPoint(int index) const { return m_points[index]; }
    void AddPoint(const VhPoint& point) { m_points.Add(point); }
    void RemoveAllPoints() { m_points.RemoveAll(); }

    // The same class, the same number of points, each equal in order.
    BOOL IsEqual(const VhObject* other) const override;
    // The figure part, the points (a count, then each point's record), and an empty record.
    void Serialize(CArchive& ar) override;

private:
    VhPointArray m_points;
};
