// The old property folder: its index rows, its form list, and the loader.
#include "tests/readers/BoundedChild.h"
#include "tests/readers/ReaderTestSupport.h"
#include "tests/support/TabbedCases.h"

#include "platform/files/WinDrive.h"
#include "platform/files/WinPath.h"
#include "readers/VhString.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"

#include <filesystem>
#include <sys/stat.h>

using readertest::Fields;
using readertest::Rows;
using readertest::WinFolder;
using testsupport::TempFolder;
using testsupport::WriteFileBytes;

namespace {

// An old property folder holding an index of the given CP932 text.
void WriteIndex(const TempFolder& folder, const std::string& index)
{
    mkdir(folder.Path("Info").c_str(), 0777);
    WriteFileBytes(folder.Path("Info/filename.iba"), index);
}

// The first index row of an application of the given document-kind code.
std::string FirstRow(const std::string& code)
{
    return "\"#000\",\"name\",\"20240105\",\"6.40\",\"3\",\"\",\"" + code + "\",\"1\",\"0\",\"0\",\"0\",\"0\"\r\n";
}

} // namespace

TEST(ZnOldBukkenFolder, SplitsIndexLinesIntoFields)
{
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("readers/index_rows.tsv")) {
        TempFolder folder;
        WriteFileBytes(folder.Path("index.iba"), "\r\n" + c[0].Bytes() + "\r\n\r\n");
        ZnOldBukkenFolder old;
        Rows index;
        VhString::SetSeparator('#');
        ASSERT_EQ(1, old.ReadIndexRows(WinFolder(folder.Path()) + "index.iba", index.rows)) << c[0];
        EXPECT_EQ('#', VhString::GetSeparator());
        VhString::SetSeparator('|');
        ASSERT_EQ(1, index.rows.GetSize()) << c[0];
        EXPECT_EQ(std::vector<CString>(c.begin() + 1, c.end()), index.Row(0)) << c[0];
    }
}

// An index line as long as a floppy reads in time, each field once: fields, then a run of
// separators that gives empty fields.
TEST(ZnOldBukkenFolder, SplitsAnIndexLineAsLongAsAFloppyInTime)
{
    TempFolder folder;
    std::string line;
    for (int i = 0; i < 350000; ++i)
        line += "1,";
    WriteFileBytes(folder.Path("index.iba"), line + std::string(350000, ',') + "x,y\r\n");
    EXPECT_EQ("true", readertest::RunBounded(
                          [&] {
                              ZnOldBukkenFolder old;
                              Rows index;
                              old.ReadIndexRows(WinFolder(folder.Path()) + "index.iba", index.rows);
                              const CStringArray& row = *static_cast<CStringArray*>(index.rows[0]);
                              return index.rows.GetSize() == 1 && row.GetSize() == 700002 && row[0] == "1" &&
                                     row[350000].IsEmpty() && row[700000] == "x" && row[700001] == "y";
                          },
                          512, 30));
}

TEST(ZnOldBukkenFolder, ReadsIndexRowsAndFormListsOfFilesThatOpen)
{
    TempFolder folder;
    CString base = WinFolder(folder.Path());
    WriteFileBytes(folder.Path("index.iba"), "a,b\nc\r\n\r\nd");
    WriteFileBytes(folder.Path("forms"), "#110\r\n\r\n#240\n表10\r\n");
    ZnOldBukkenFolder old;
    Rows index;
    ASSERT_EQ(1, old.ReadIndexRows(base + "index.iba", index.rows));
    ASSERT_EQ(3, index.rows.GetSize());
    EXPECT_EQ(std::vector<CString>({"a", "b"}), index.Row(0));
    EXPECT_EQ(std::vector<CString>({"d"}), index.Row(2));
    EXPECT_EQ(0, old.ReadIndexRows(base + "missing.iba", index.rows));
    EXPECT_EQ(3, index.rows.GetSize());

    CStringArray forms;
    forms.Add("left over");
    EXPECT_EQ(0, old.ReadFormList(base + "missing", forms));
    EXPECT_EQ(std::vector<CString>({"left over"}), Fields(forms));
    ASSERT_EQ(1, old.ReadFormList(base + "forms", forms));
    EXPECT_EQ(std::vector<CString>({"110", "240", "10"}), Fields(forms));
}

TEST(ZnOldBukkenFolderLoader, GivesNothingForAFolderWithoutIndexOrRows)
{
    TempFolder folder;
    TempFolder temp;
    WriteFileBytes(temp.Path("wexo123.iba"), "\"#000\"\r\n");
    testsupport::ScopedEnv tmpdir("TMPDIR", temp.Path());

    readertest::TestReader* before = new readertest::TestReader;
    ZnOldBukkenReaderList list;
    list.AddTail(before);
    ZnOldBukkenFolderLoader loader;
    loader.SetBasePath(WinFolder(folder.Path()));
    EXPECT_EQ(0, loader.Load(&list));
    EXPECT_EQ(1, list.GetCount());
    // The other programs' file stays, and the folder made for the call is gone.
    EXPECT_EQ("\"#000\"\r\n", testsupport::ReadFileBytes(temp.Path("wexo123.iba")));
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(temp.Path()), {}));

    WriteIndex(folder, "\r\n\r\n");
    EXPECT_EQ(0, loader.Load(&list));
    EXPECT_EQ(1, list.GetCount());
    delete before;
}

namespace {

// A loader that writes an index of its own when the folder has none.
class TempIndexLoader : public ZnOldBukkenFolderLoader {
public:
    int MakeTempIndex() override
    {
        written = m_tempIndexPath;
        testsupport::WriteFileBytes(WinPathToLinux(written), FirstRow("999999"));
        return 1;
    }
    CString written;
};

} // namespace

TEST(ZnOldBukkenFolderLoader, ReadsATemporaryIndexInAFolderMadeForTheCall)
{
    TempFolder folder;
    TempFolder temp;
    testsupport::ScopedEnv tmpdir("TMPDIR", temp.Path());
    TempIndexLoader loader;
    loader.SetBasePath(WinFolder(folder.Path()));
    ZnOldBukkenReaderList list;
    EXPECT_EQ(1, loader.Load(&list));
    EXPECT_EQ(temp.Path(), WinPathToLinux(loader.written).substr(0, temp.Path().size()));
    EXPECT_EQ(0, std::distance(std::filesystem::directory_iterator(temp.Path()), {}));
    EXPECT_EQ(1, ZnOldBukkenFolder().MakeTempIndex());
}

TEST(ZnOldBukkenFolderLoader, GivesNoReaderForKindsWithoutOne)
{
    for (std::string code : {"100407", "100410", "100501", "300001", "999999", ""}) {
        TempFolder folder;
        WriteIndex(folder, FirstRow(code) + "\"#001\",\"\",\"\",\"220903\",\"R-1\",\"\"\r\n");
        ZnOldBukkenFolderLoader loader;
        loader.SetBasePath(WinFolder(folder.Path()));
        ZnOldBukkenReaderList list;
        EXPECT_EQ(1, loader.Load(&list)) << code;
        EXPECT_TRUE(list.IsEmpty()) << code;
    }
}

TEST(ZnOldBukkenFolderLoader, ReadsAFolderCopiedWithUpperCaseNames)
{
    CString base = WinFolder(testsupport::DataPath("readers/upper_case"));
    ZnOldBukkenFolderLoader loader;
    loader.SetBasePath(base);
    ZnOldBukkenReaderList list;
    EXPECT_EQ(1, loader.Load(&list));
    Rows index;
    ASSERT_EQ(1, loader.ReadIndexRows(base + loader.GetIndexFolder() + loader.GetIndexFile(), index.rows));
    EXPECT_EQ(2, index.rows.GetSize());
    EXPECT_EQ(CString("大文字の物件"), index.Row(0).at(1));

    readertest::TestReader reader;
    ASSERT_EQ(1, reader.OpenDataFile(base + loader.GetFormFolder() + "Ksq001.250"));
    CStringArray fields;
    ASSERT_TRUE(reader.ReadRecord(fields));
    ASSERT_TRUE(reader.ReadRecord(fields));
    EXPECT_EQ(std::vector<CString>({"#25010", "表ソ能ポ"}), Fields(fields));
}

TEST(ZnOldBukkenFolderLoader, ReadsTheFloppyDriveByDefault)
{
    TempFolder folder;
    WriteIndex(folder, FirstRow("999999"));
    ZnOldBukkenFolderLoader loader;
    ZnOldBukkenReaderList list;
    EXPECT_EQ(CString("A:\\"), loader.GetBasePath());
    {
        testsupport::ScopedEnv drive("ZN_DRIVE_A", folder.Path());
        ResetDriveTable();
        EXPECT_EQ(1, loader.Load(&list));
        drive.Set("");
        ResetDriveTable();
        EXPECT_EQ(0, loader.Load(&list));
    }
    ResetDriveTable();
}
