#include "tests/model/ConventionClasses.h"
#include "tests/support/TestSupport.h"

#include <functional>

using namespace testsupport;

namespace {

// Each model fixture with the code that loads it whole.
struct Fixture {
    const char* file;
    std::function<void(CArchive&)> load;
};

template <typename T> std::function<void(CArchive&)> LoadObjects(int count)
{
    return [count](CArchive& ar) {
        for (int i = 0; i < count; ++i) {
            T object;
            object.Serialize(ar);
        }
    };
}

const Fixture fixtures[] = {
    {"model/conventions_two_dates.hex", LoadObjects<TDate>(2)},
    {"model/conventions_holder_list.hex", LoadObjects<THolder>(1)},
    {"model/conventions_versioned_256.hex", LoadObjects<TVersioned>(1)},
    {"model/conventions_versioned_257.hex", LoadObjects<TVersioned>(1)},
};

} // namespace

TEST(ModelArchive, DamagedFixturesLoadOrThrowArchiveException)
{
    for (const Fixture& fixture : fixtures) {
        std::string bytes = ReadHexFixture(fixture.file);
        ForEachDamagedCopy(bytes, 300, [&](const std::string& damaged) {
            ThrowsArchiveException([&] { LoadFromBytes(damaged, fixture.load); });
        });
    }
}
