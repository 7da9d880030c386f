// Counts that a floppy gives are bounded by what a floppy can hold: a count past it, a negative
// one or one that overflows is damage, which the readers refuse with their message, leaving the
// document as it was; never a number of things to make.
#include "tests/readers/BoundedChild.h"
#include "tests/readers/KindReaderSupport.h"

#include "model/ZnModelAppDemNotif.h"
#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFloppyCount.h"
#include "readers/ZnOldFloppyFile.h"

#include <climits>

using readertest::CaseFolder;
using readertest::RunBounded;

namespace {

const char kRefusal[] = " データファイルオープンエラー\n";

// What the readers that the loader makes of the old folder give, reader by reader: its target
// class, then "read" or the message of its refusal.
std::vector<std::string> ReadThroughLoader(const std::string& folder)
{
    ZnOldBukkenFolderLoader loader;
    ZnOldBukkenReaderList readers;
    loader.SetBasePath(readertest::WinFolder(folder));
    loader.Load(&readers);
    std::vector<std::string> results;
    for (POSITION pos = readers.GetHeadPosition(); pos;) {
        std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(readers.GetNext(pos)));
        std::unique_ptr<ZnModelApp> app(reader->Read());
        results.push_back(reader->m_targetClassName.Bytes() + ": " + (app ? "read" : reader->GetErrorText().Bytes()));
    }
    return results;
}

} // namespace

TEST(ZnOldFloppyCount, ReadsACountAsTheReadersReadNumbersUpToWhatAFloppyHolds)
{
    const std::pair<LPCTSTR, int> counts[] = {{"", 0},
                                              {"x", 0},
                                              {"0", 0},
                                              {" 7", 7},
                                              {"+5", 5},
                                              {"12 buildings", 12},
                                              {"-0", 0},
                                              {"-x", 0},
                                              {"0000000000000000000002", 2},
                                              {"245760", ZnOldFloppyCount::most}};
    for (const auto& [text, expected] : counts) {
        int count = -5;
        EXPECT_TRUE(ZnOldFloppyCount::Read(text, count)) << text;
        EXPECT_EQ(expected, count) << text;
    }
    // 4294967297 is 1 to atoi, -4294967295 too.
    for (LPCTSTR damaged : {"245761", "2000000000", "4294967297", "-4294967295", "99999999999999999999", "-1", " -3"}) {
        int count = -5;
        EXPECT_FALSE(ZnOldFloppyCount::Read(damaged, count)) << damaged;
        EXPECT_EQ(-5, count) << damaged;
    }
    EXPECT_EQ(1474560 / 6, ZnOldFloppyCount::most);
}

TEST(ZnOldFormReader, HeaderRefusesACountOfBuildingsThatNoFloppyHoldsAndKeepsTheHeader)
{
    ZnModelAppDemNotif notification;
    readertest::TestReader reader;
    reader.m_indexPath = "A:\\Info\\filename.iba";
    reader.SetBuildingNo(4);
    reader.m_indexColumns[ZnOldFormReader::columnBuildings] = "2";
    ASSERT_EQ(1, reader.SetAppHeader(&notification));
    const std::string before = readertest::HeaderListing(notification);
    EXPECT_EQ(CString(), reader.GetErrorText());
    for (LPCTSTR damaged : {"2000000000", "245761", "-1", "4294967297"}) {
        reader.m_indexColumns[ZnOldFormReader::columnBuildings] = damaged;
        ASSERT_EQ("true", RunBounded([&] { return reader.SetAppHeader(&notification) == 0; })) << damaged;
        EXPECT_EQ(0, reader.SetAppHeader(&notification)) << damaged;
        EXPECT_EQ(before, readertest::HeaderListing(notification)) << damaged;
        EXPECT_EQ(CString("A:\\Info\\filename.iba") + kRefusal, reader.GetErrorText()) << damaged;
    }
}

TEST(ZnOldFormReaders, RefuseAFloppyWhoseIndexCountsMoreBuildingsThanItCanHold)
{
    struct Case {
        LPCTSTR code;
        std::vector<std::string> forms;
        std::vector<std::string> classes; // of the readers the loader makes, in order
        std::vector<bool> countsBuildings;
    };
    const Case cases[] = {
        {"100006", {"Ksq001.190"}, {"ZnModelAppSemiStrConf"}, {true}},
        {"100306", {"Ksq001.450", "Ksq001.190"}, {"ZnModelAppSemiStrMod"}, {true}},
        // The construction notification beside the building counts no buildings.
        {"100001",
         {"Ksq001.110", "Ksq001.120", "Ksq001.130", "Ksq001.140", "Ksq001.240"},
         {"ZnModelAppBuildConf", "ZnModelAppConstNotif"},
         {true, false}},
        {"100301",
         {"Ksq001.410", "Ksq001.110", "Ksq001.120", "Ksq001.130", "Ksq001.140"},
         {"ZnModelAppBuildMod"},
         {true}},
    };
    for (const Case& c : cases) {
        for (LPCTSTR count : {"1", "2000000000", "-1", "4294967297"}) {
            SCOPED_TRACE(std::string(c.code) + " counting " + count);
            CaseFolder folder;
            folder.Write("Info/filename.iba",
                         std::string("\"#000\",\"name\",\"20240105\",\"6.40\",\"7\",\"\",\"") + c.code + "\",\"" +
                             count + "\",\"0\",\"0\",\"0\",\"0\"\n\"#001\",\"\",\"\",\"220903\",\"R-1\",\"\"\n");
            for (const std::string& form : c.forms)
                folder.Form(form, "");
            std::vector<std::string> expected;
            const std::string refusal = folder.Path() + "\\Info\\filename.iba" + kRefusal;
            for (size_t i = 0; i < c.classes.size(); ++i)
                expected.push_back(c.classes[i] + ": " +
                                   (c.countsBuildings[i] && std::string(count) != "1" ? refusal : "read"));
            // Read first where it cannot take the machine with it, then read whole.
            ASSERT_EQ("true", RunBounded([&] { return ReadThroughLoader(folder.Path()) == expected; }));
            EXPECT_EQ(expected, ReadThroughLoader(folder.Path()));
        }
    }
}

TEST(ZnOldFloppyFile, OpensAFileAsLongAsAFloppyAndNoLonger)
{
    testsupport::TempFolder folder;
    const std::string path = folder.Path("Ksq001.250");
    testsupport::WriteFileBytes(path, std::string(ZnOldFloppyCount::floppyBytes, 'x'));
    CStdioFile file;
    EXPECT_EQ(ZnOldFloppyFile::opened,
              ZnOldFloppyFile::Open(file, readertest::WinFolder(folder.Path()) + "Ksq001.250"));
    file.Abort();
    testsupport::WriteFileBytes(path, std::string(ZnOldFloppyCount::floppyBytes + 1, 'x'));
    EXPECT_EQ(ZnOldFloppyFile::damaged,
              ZnOldFloppyFile::Open(file, readertest::WinFolder(folder.Path()) + "Ksq001.250"));
    EXPECT_FALSE(file.IsOpen());
}
