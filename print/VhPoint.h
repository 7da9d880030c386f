// A point or vector in three dimensions. Most geometry is planar: operations that take is3D use
// x and y only unless it is set.
#pragma once

#include "model/VhObject.h"

class VhPoint : public VhObject {
    DECLARE_SERIAL(VhPoint)
public:
    VhPoint() = default;
    VhPoint(double x, double y, double z = 0.0) : x(x), y(y), z(z) {}
    // A copy takes a new serial id; assignment keeps the target's.
    VhPoint(const VhPoint& other) : VhObject(other), x(other.x), y(other.y), z(other.z) {}
    VhPoint& operator=(const VhPoint& other);

    VhPoint& operator+=(const VhPoint& other);
    VhPoint& operator-=(const VhPoint& other);
    // No check for a zero divisor: IEEE arithmetic decides.
    VhPoint& operator*=(double factor);
    VhPoint& operator/=(double divisor);
    VhPoint operator+(const VhPoint& other) const { return VhPoint(*this) += other; }
    VhPoint operator-(const VhPoint& other) const { return VhPoint(*this) -= other; }
    VhPoint operator*(double factor) const { return VhPoint(*this) *= factor; }
    VhPoint operator/(double divisor) const { return VhPoint(*this) /= divisor; }

    // Sets x and y; z stays.
    void Set(double newX, double newY);
    // This := this × other: the full cross product with is3D, else only its z (x and y 0).
    void Cross(const VhPoint& other, BOOL is3D);
    static VhPoint Cross(const VhPoint& a, const VhPoint& b, BOOL is3D);
    // This := the point that divides the way from this to other in the ratio a : b.
    void Divide(const VhPoint& other, double a, double b);
    static VhPoint Divide(const VhPoint& from, const VhPoint& to, double a, double b);
    // The device point: x and y rounded half away from zero, held at the 32-bit limits; NaN gives 0.
    POINT Round() const;
    double Length(BOOL is3D) const;
    // atan2(y, x) in radians; 0 when x and y are both 0.
    double Angle() const;
    double Dot(const VhPoint& other, BOOL is3D) const;
    double Distance(const VhPoint& other, BOOL is3D) const;
    // Whether this point lies within tolerance of the segment a-b (negative: VhTolerance).
    BOOL IsNearSegment(const VhPoint& a, const VhPoint& b, double tolerance, BOOL is3D) const;

    // Another point within VhTolerance in 3D.
    BOOL IsEqual(const VhObject* other) const override;
    // Compares on the axis along which the points lie further apart (y on a tie): 0 within
    // VhTolerance, 1 when this one is greater, -1 when smaller or when other is no point.
    LONG Compare(const VhObject* other) const override;
    virtual VhPoint* Clone() const { return new VhPoint(*this); }
    // A record of 5 ints and 5 doubles: doubles 0 to 2 are x, y, z.
    void Serialize(CArchive& ar) override;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// A list of points stores each point's own record after the count.
template <> inline void SerializeElements<VhPoint>(CArchive& ar, VhPoint* elements, INT_PTR count)
{
    for (INT_PTR i = 0; i < count; ++i)
        elements[i].Serialize(ar);
}

typedef CArray<VhPoint, const VhPoint&> VhPointArray;
