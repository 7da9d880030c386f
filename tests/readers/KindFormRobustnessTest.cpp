// The forms of the lift, equipment, structure and semi-structure fixtures, cut short and with
// bytes changed, each read whole by its reader: nothing may crash, read outside a record's
// fields or leak (the sanitizers watch), and every copy gives an object.
#include "tests/readers/KindReaderSupport.h"

#include <filesystem>

namespace {

// Damaged copies of each file: 128 lengths spread over it and its last 8 (every length of a
// page, which is shorter), and 200 with bytes changed.
const size_t cuts = 128;
const int flips = 200;

} // namespace

TEST(ZnOldKindFormReaders, ReadDamagedFormsWhole)
{
    const struct {
        const char* fixture;
        const char* file;
        LPCTSTR code;        // the reader that reads the file
        const char* emptied; // a form that the case does not need, emptied to keep it short
    } files[] = {
        {"lift_forms", "Ksq001.160", "100002", ""},
        {"lift_forms", "Ksq001.420", "100302", "Ksq001.160"},
        {"equipment_forms", "Ksq001.170", "100003", ""},
        {"equipment_forms", "Ksq001.430", "100303", "Ksq001.170"},
        {"structure_forms", "Ksq001.180", "100004", ""},
        {"structure_forms", "Ksq001.440", "100304", "Ksq001.180"},
        {"semi_structure_forms", "Ksq001.190", "100006", ""},
        {"semi_structure_forms", "Ksq001.450", "100306", "Ksq001.190"},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        testsupport::TempFolder folder;
        std::filesystem::copy(testsupport::DataPath("readers/") + f.fixture, folder.Path(),
                              std::filesystem::copy_options::recursive);
        if (*f.emptied)
            testsupport::WriteFileBytes(folder.Path(std::string("Keikaku/") + f.emptied), "");
        std::unique_ptr<ZnOldFormReader> reader = readertest::MakeReader(folder.Path(), f.code);
        ASSERT_TRUE(reader);
        const std::string form = folder.Path(std::string("Keikaku/") + f.file);
        int copies = 0;
        int objects = 0;
        testsupport::ForEachDamagedCopy(
            testsupport::ReadFileBytes(form), flips,
            [&](const std::string& damaged) {
                // A new file each time: rewriting one in place makes some file systems write it
                // out to disk on every close.
                std::filesystem::remove(form);
                testsupport::WriteFileBytes(form, damaged);
                ++copies;
                objects += readertest::ReadApp(*reader) != nullptr;
            },
            cuts);
        EXPECT_EQ(copies, objects);
    }
}
