#include "print/VhPoint.h"

#include "print/VhMath.h"
#include "print/VhValue.h"

#include <cmath>

IMPLEMENT_SERIAL(VhPoint, VhObject, 0)

VhPoint& VhPoint::operator=(const VhPoint& other)
{
    x = other.x;
    y = other.y;
    z = other.z;
    return *this;
}

VhPoint& VhPoint::operator+=(const VhPoint& other)
{
    x += other.x;
    y += other.y;
    z += other.z;
    return *this;
}

VhPoint& VhPoint::operator-=(const VhPoint& other)
{
    x -= other.x;
    y -= other.y;
    z -= other.z;
    return *this;
}

VhPoint& VhPoint::operator*=(double factor)
{
    x *= factor;
    y *= factor;
    z *= factor;
    return *this;
}

VhPoint& VhPoint::operator/=(double divisor)
{
    x /= divisor;
    y /= divisor;
    z /= divisor;
    return *this;
}

void VhPoint::Set(double newX, double newY)
{
    x = newX;
    y = newY;
}

void VhPoint::Cross(const VhPoint& other, BOOL is3D)
{
    double crossZ = x * other.y - y * other.x;
    if (is3D) {
        double crossX = y * other.z - z * other.y;
        double crossY = z * other.x - x * other.z;
        x = crossX;
        y = crossY;
    } else {
        x = 0.0;
        y = 0.0;
    }
    z = crossZ;
}

VhPoint VhPoint::Cross(const VhPoint& a, const VhPoint& b, BOOL is3D)
{
    VhPoint result(a);
    result.Cross(b, is3D);
    return result;
}

void VhPoint::Divide(const VhPoint& other, double a, double b) { *this = (*this * b + other * a) / (a + b); }

VhPoint VhPoint::Divide(const VhPoint& from, const VhPoint& to, double a, double b)
{
    VhPoint result(from);
    result.Divide(to, a, b);
    return result;
}

POINT VhPoint::Round() const { return POINT{VhRoundToLong(x), VhRoundToLong(y)}; }

double VhPoint::Length(BOOL is3D) const { return std::sqrt(Dot(*this, is3D)); }

double VhPoint::Angle() const { return x == 0.0 && y == 0.0 ? 0.0 : std::atan2(y, x); }

double VhPoint::Dot(const VhPoint& other, BOOL is3D) const
{
    return x * other.x + y * other.y + (is3D ? z * other.z : 0.0);
}

double VhPoint::Distance(const VhPoint& other, BOOL is3D) const { return (*this - other).Length(is3D); }

BOOL VhPoint::IsNearSegment(const VhPoint& a, const VhPoint& b, double tolerance, BOOL is3D) const
{
    double tol = VhToleranceOr(tolerance);
    VhPoint along = b - a;
    VhPoint fromA = *this - a;
    double lengthSquared = along.Dot(along, is3D);
    double distanceSquared = fromA.Dot(fromA, is3D);
    // A segment no longer than the tolerance is a point.
    if (lengthSquared <= VhTolerance * VhTolerance)
        return distanceSquared <= tol * tol;
    double length = std::sqrt(lengthSquared);
    double t = fromA.Dot(along, is3D);
    double projection = t / length;
    if (projection < -tol || projection > length + tol)
        return FALSE;
    return distanceSquared - t * t / lengthSquared <= tol * tol;
}

BOOL VhPoint::IsEqual(const VhObject* other) const
{
    if (!other || !other->IsKindOf(RUNTIME_CLASS(VhPoint)))
        return FALSE;
    return Distance(*static_cast<const VhPoint*>(other), TRUE) <= VhTolerance;
}

LONG VhPoint::Compare(const VhObject* other) const
{
    if (!other || !other->IsKindOf(RUNTIME_CLASS(VhPoint)))
        return -1;
    const auto* point = static_cast<const VhPoint*>(other);
    bool byY = std::fabs(x - point->x) <= std::fabs(y - point->y);
    double difference = byY ? y - point->y : x - point->x;
    if (std::fabs(difference) <= VhTolerance)
        return 0;
    return difference > 0 ? 1 : -1;
}

void VhPoint::Serialize(CArchive& ar) { VhValue::SerializeRecord(ar, 5, 5, {}, {&x, &y, &z}); }
