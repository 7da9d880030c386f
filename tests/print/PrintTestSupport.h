// Helpers of the drawing tests: objects to and from archive bytes, the fixtures, and the points
// and transforms the cases are written with.
#pragma once

#include "print/VhDrawComposition.h"
#include "print/VhDrawString.h"
#include "print/VhMath.h"
#include "tests/support/TestSupport.h"

#include <cmath>
#include <memory>
#include <string>

namespace printtest {

// The bytes that object's own Serialize stores in a fresh archive (no class tag).
inline std::string Store(VhObject& object)
{
    return testsupport::StoreToBytes([&](CArchive& ar) { object.Serialize(ar); });
}

// Loads object from bytes through its own Serialize and checks that it read them to the end.
inline void Load(VhObject& object, const std::string& bytes)
{
    testsupport::LoadFromBytes(bytes, [&](CArchive& ar) {
        object.Serialize(ar);
        char extra;
        EXPECT_EQ(0u, ar.Read(&extra, 1)) << "bytes left after the object";
    });
}

// A hand-made fixture under tests/data/print.
inline std::string Fixture(const std::string& name) { return testsupport::ReadHexFixture("print/" + name); }

// A new object of the class of that stored name.
inline std::unique_ptr<VhObject> Create(const char* className)
{
    CRuntimeClass* storedClass = CRuntimeClass::FromName(className);
    return std::unique_ptr<VhObject>(storedClass ? static_cast<VhObject*>(storedClass->CreateObject()) : nullptr);
}

inline VhTrans Translation(double x, double y)
{
    VhTrans trans;
    trans.Translate(VhPoint(x, y));
    return trans;
}

inline VhTrans Rotation(double radians)
{
    VhTrans trans;
    trans.RotateZ(radians);
    return trans;
}

// "(x, y, z)" in the shortest form, -0 written as 0.
inline std::string Text(const VhPoint& point)
{
    char text[100];
    snprintf(text, sizeof text, "(%g, %g, %g)", point.x + 0.0, point.y + 0.0, point.z + 0.0);
    return text;
}

// The point lies within 1e-9 of (x, y, z).
inline ::testing::AssertionResult Near(const VhPoint& point, double x, double y, double z = 0.0)
{
    const double e = 1e-9;
    if (std::fabs(point.x - x) <= e && std::fabs(point.y - y) <= e && std::fabs(point.z - z) <= e)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << Text(point) << " is not " << Text(VhPoint(x, y, z));
}

} // namespace printtest
