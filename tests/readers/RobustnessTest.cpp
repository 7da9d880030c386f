// Every old-floppy fixture, cut short and with bytes changed, read whole as a form file and as
// an index: nothing may crash, read outside a text or leak (the sanitizers watch).
#include "tests/readers/ReaderTestSupport.h"

#include "readers/VhString.h"
#include "readers/ZnOldBukkenFolder.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFormReaderBuildMod.h"

#include <cstdio>
#include <filesystem>

namespace {

// The fixture files under tests/data/readers, without the tables of expected results and
// without the folders of whole floppies' forms ("*_forms"), which their readers' own loops read.
std::vector<std::string> Fixtures()
{
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(testsupport::DataPath("readers")))
        if (entry.is_regular_file() && entry.path().extension() != ".tsv" &&
            entry.path().string().find("_forms/") == std::string::npos)
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
    ASSERT_GE(readers.GetSize(), 1);
    // An index of a kind with a reader of its own makes readers after the test's one.
    for (int i = 1; i < readers.GetSize(); ++i)
        delete static_cast<ZnOldFormReader*>(readers[i]);
}

// Reads the old property folder through the loader and every reader it makes, and once more
// as a building plan change of two buildings.
void ReadFolder(const CString& base)
{
    ZnOldBukkenFolderLoader loader;
    loader.SetBasePath(base);
    ZnOldBukkenReaderList list;
    loader.Load(&list);
    ZnOldFormReaderBuildMod planChange;
    planChange.m_basePath = base;
    planChange.m_formFolder = "Keikaku\\";
    planChange.m_indexColumns[ZnOldFormReader::columnBuildings] = "2";
    list.AddTail(&planChange);
    for (POSITION pos = list.GetHeadPosition(); pos;) {
        ZnOldFormReader* reader = static_cast<ZnOldFormReader*>(list.GetNext(pos));
        reader->IsVersionOK();
        delete reader->Read();
        if (reader != &planChange)
            delete reader;
    }
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

TEST(ReaderRobustness, ReadsDamagedFloppiesThroughTheirReaders)
{
    const std::string fixture = testsupport::DataPath("readers/building");
    testsupport::TempFolder folder;
    std::filesystem::copy(fixture, folder.Path(), std::filesystem::copy_options::recursive);
    CString base = readertest::WinFolder(folder.Path());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(fixture)) {
        if (!entry.is_regular_file())
            continue;
        std::string name = std::filesystem::relative(entry.path(), fixture).string();
        SCOPED_TRACE(name);
        std::string bytes = testsupport::ReadFileBytes(entry.path().string());
        testsupport::ForEachDamagedCopy(
            bytes, 16,
            [&](const std::string& damaged) {
                testsupport::WriteFileBytes(folder.Path(name), damaged);
                ReadFolder(base);
            },
            8);
        testsupport::WriteFileBytes(folder.Path(name), bytes);
    }
    EXPECT_EQ('|', VhString::GetSeparator());
}
