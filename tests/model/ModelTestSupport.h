// Helpers of the model tests: one object to and from archive bytes, and the model fixtures.
#pragma once

#include "model/ZnModel.h"
#include "tests/support/TestSupport.h"

#include <string>

namespace modeltest {

// The bytes that object stores as the only object of a fresh archive.
inline std::string Store(ZnModel& object)
{
    return testsupport::StoreToBytes([&](CArchive& ar) { object.Serialize(ar); });
}

// Loads object from bytes and checks that it read them to the end.
inline void Load(ZnModel& object, const std::string& bytes)
{
    testsupport::LoadFromBytes(bytes, [&](CArchive& ar) {
        object.Serialize(ar);
        char extra;
        EXPECT_EQ(0u, ar.Read(&extra, 1)) << "bytes left after the object";
    });
}

// A hand-made fixture under tests/data/model.
inline std::string Fixture(const std::string& name) { return testsupport::ReadHexFixture("model/" + name); }

} // namespace modeltest
