// Every old-floppy fixture, cut short and with bytes changed, read whole as a form file and as
// an index: nothing may crash, read outside a text or leak (the sanitizers watch).
#include "tests/readers/ReaderTestSupport.h"

#include "readers/VhString.h"
#include "readers/ZnOldBukkenFolder.h"

#include <cstdio>
#include <filesystem>

namespace {

// The fixture files under tests/data/readers, without the tables of expected results.
std::vector<std::string> Fixtures()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(testsupport::DataPath("readers")))
        if (entry.is_regular_file() && entry.path().extension() != ".tsv")
            files.push_back(entry.path().string());
    return files;
}

void ReadAsFormFile(const CString& path)
{
    readertest::TestReader reader;
    ASSERT_EQ(1, reader.OpenDataFile(path));
    CStringArray fields;
    while (reader.ReadRecord(fields))
        for (int i = 0; i < fields.GetSize(); ++i)
            ZnOldFormReader::GetSplitField(fields[i], '-', 2);
    reader.CloseDataFile();
}

void ReadAsIndex(const CString& path)
{
    ZnOldBukkenFolder folder;
    readertest::Rows index;
    ASSERT_EQ(1, folder.ReadIndexRows(path, index.rows));
    readertest::TestReader reader;
    CPtrArray readers;
    readers.Add(&reader);
    folder.CreateFormReaders(index.rows, readers);
    // An index of a document kind that has a reader adds it after the test's own.
    for (int i = 1; i < readers.GetSize(); ++i)
        delete static_cast<ZnOldFormReader*>(readers[i]);
    ASSERT_LE(1, readers.GetSize());
    EXPECT_EQ(&reader, readers[0]);
}

} // namespace

TEST(ReaderRobustness, ReadsDamagedFixturesWhole)
{
    std::vector<std::string> fixtures = Fixtures();
    ASSERT_GE(fixtures.size(), 11u);
    testsupport::TempFolder folder;
    int copies = 0;
    for (const std::string& fixture : fixtures) {
        SCOPED_TRACE(fixture);
        testsupport::ForEachDamagedCopy(
            testsupport::ReadFileBytes(fixture), 200,
            [&](const std::string& damaged) {
                // Each copy is a new file: rewriting one file in place makes some file systems
                // write it out to disk on every close.
                std::string name = "damaged" + std::to_string(++copies);
                testsupport::WriteFileBytes(folder.Path(name), damaged);
                CString path = readertest::WinFolder(folder.Path()) + name.c_str();
                ReadAsFormFile(path);
                ReadAsIndex(path);
                std::remove(folder.Path(name).c_str());
            },
            64);
        EXPECT_EQ('|', VhString::GetSeparator());
    }
}
