// A line between two end points. An end flag of 1 ends the line at its end point; 0 lets it run
// on beyond it, which matters only to crossings.
#pragma once

#include "print/VhFigure.h"

class VhFigureLine : public VhFigure {
    DECLARE_SERIAL(VhFigureLine)
public:
    VhFigureLine() = default;
    VhFigureLine(const VhPoint& end1, const VhPoint& end2) : m_end1(end1), m_end2(end2) {}

    VhFigureLine* Clone() const override { return new VhFigureLine(*this); }
    void Transform(const VhTrans& trans) override;
    BOOL CrossPoints(const VhFigure& other, VhPointArray& points, BOOL useEx) const override;
    BOOL GetExtent(const VhTrans* trans, VhFigureRect* extent) const override;
    BOOL HitOutline(const VhPoint& point, double tolerance, BOOL is3D) const override;
    // Appends the crossing of this line with line, when it lies on both (an end flag of 0 lets
    // the line run on at that end). Parallel lines, and a line no longer than VhTolerance, give 0.
    BOOL CrossWithLine(const VhFigureLine& line, VhPointArray& points) const override;

    // 0 when either direction is no longer than VhTolerance; else whether the cross product of
    // the two directions (not normalised) is no longer than VhTolerance.
    BOOL IsParallel(const VhFigureLine& other, BOOL is3D) const;
    // Clips the line in place to rect grown by VhTolerance; FALSE, with the line unchanged, when
    // no part of it lies there or a coordinate is not finite.
    BOOL ClipToRect(const VhFigureRect& rect, BOOL is3D);

    const VhPoint& GetEnd1() const { return m_end1; }
    const VhPoint& GetEnd2() const { return m_end2; }
    void SetEnd1(const VhPoint& point) { m_end1 = point; }
    void SetEnd2(const VhPoint& point) { m_end2 = point; }
    int GetEndFlag1() const { return m_endFlag1; }
    int GetEndFlag2() const { return m_endFlag2; }
    void SetEndFlags(int flag1, int flag2)
    {
        m_endFlag1 = flag1;
        m_endFlag2 = flag2;
    }

    BOOL IsEqual(const VhObject* other) const override;
    // The figure part, end 1, end 2, and a record of 5 ints: the two end flags.
    void Serialize(CArchive& ar) override;

private:
    // Whether point, on this line's infinite line, lies on the line as its nearer end flag
    // bounds it.
    BOOL ReachesCrossing(const VhPoint& point) const;

    VhPoint m_end1;
    int m_endFlag1 = 1;
    VhPoint m_end2;
    int m_endFlag2 = 1;
};
