// The reference-data export from the database (SQLite and Access files) to the archive.
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/ReferenceDataFolders.h"
#include "tests/support/TempWorkingFolder.h"
#include "tests/writers/ZipTestSupport.h"

#include "app/ZnMigrationExport.h"
#include "platform/database/CDaoException.h"
#include "platform/files/WinPath.h"
#include "storage/AppDatabaseSchemas.h"
#include "writers/zip/ZipPacking.h"

#include <algorithm>
#include <sys/stat.h>

using ziptest::FolderNames;
using ziptest::Snapshot;

namespace {

// The declaration and the root element around the sections, line ends packed as LF.
const char kHead[] = u8"<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<共通データ>\n";
const char kTail[] = u8"</共通データ>\n";

std::string WithoutCarriageReturns(std::string text)
{
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

// The entries of an export's archive: the empty marker and 共通データ.xml with the given sections.
std::map<std::string, std::string> ExpectedArchive(const std::string& sections)
{
    return {{"Pellori_1_1_0_共通データ", ""}, {"共通データ.xml", kHead + sections + kTail}};
}

} // namespace

class CommonDataEndToEnd : public ::testing::TestWithParam<AppDatabaseVariant> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(0, mkdir(m_data.folder.Path("dst").c_str(), 0777));
        ::SetInstallPathReader([](CString& path) {
            path = LinuxPathToWin(ziptest::AppFolder()).c_str();
            return TRUE;
        });
        ASSERT_EQ(1, LoadZipLibrary());
    }
    void TearDown() override { UnloadZipLibrary(); }

    // Runs the export and returns the bytes of the one archive that it left in the destination,
    // after checking its name and that the folder is gone, nothing was said and the sources are as they were.
    std::map<std::string, std::string> ExportedArchive()
    {
        std::map<std::string, std::string> sources = Snapshot(m_data.folder.Path("com")),
                                           app = Snapshot(m_data.folder.Path("app"));
        std::string before = ziptest::Stamp(std::time(nullptr));
        ZnMigrationExport exporter(m_data.Windows("dst"));
        EXPECT_TRUE(exporter.ExportCommonData(m_data.Windows("com")));
        std::string after = ziptest::Stamp(std::time(nullptr));
        EXPECT_FALSE(exporter.HasFailed());
        EXPECT_EQ(0u, m_ui.messageBoxes.size());
        EXPECT_EQ(sources, Snapshot(m_data.folder.Path("com")));
        EXPECT_EQ(app, Snapshot(m_data.folder.Path("app")));
        std::vector<std::string> names = FolderNames(m_data.folder.Path("dst"));
        EXPECT_EQ(1u, names.size());
        if (names.size() != 1)
            return {};
        std::string stamp = names[0].substr(std::string(u8"共通データ_").size(), 14);
        EXPECT_EQ(u8"共通データ_" + stamp + ".zip", names[0]);
        EXPECT_LE(before, stamp);
        EXPECT_GE(after, stamp);
        return ziptest::ArchiveEntries(m_data.folder.Path("dst/" + names[0]));
    }

    RecordingUi m_ui;
    testsupport::TempWorkingFolder m_work; // the code tables' run log, if they log
    ReferenceDataFolders m_data{GetParam(), false};
};

INSTANTIATE_TEST_SUITE_P(Formats, CommonDataEndToEnd, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// The nine sections of the writer's populated database, worked out with the writer's own tests.
TEST_P(CommonDataEndToEnd, ThePopulatedReferenceDataEndsUpInTheArchive)
{
    m_data.MakeUserRegist(appUserRegistSchema, "writers/common_data_rows.sql");
    std::string sections = testsupport::ReadFileBytes(testsupport::DataPath("writers/common_data_sections.xml"));
    EXPECT_EQ(ExpectedArchive(WithoutCarriageReturns(sections)), ExportedArchive());
    // Nothing but, at most, the run log in the working folder.
    for (const std::string& name : FolderNames(m_work.Work().Path()))
        EXPECT_EQ("ravuRivo.log", name);
}

TEST_P(CommonDataEndToEnd, EmptyTablesGiveTheRootAloneStillPacked)
{
    m_data.MakeUserRegist(appUserRegistSchema, "storage/NoRows.sql");
    EXPECT_EQ(ExpectedArchive(""), ExportedArchive());
}

// The database error ends the action; the folder keeps only its marker and nothing is packed.
TEST_P(CommonDataEndToEnd, AMissingDatabaseEndsTheActionWithTheDatabaseError)
{
    ZnMigrationExport exporter(m_data.Windows("dst"));
    EXPECT_EQ(daoErrFileNotFound, testsupport::DaoErrorOf([&] { exporter.ExportCommonData(m_data.Windows("com")); }));
    EXPECT_TRUE(exporter.HasFailed());
    EXPECT_EQ(0u, m_ui.messageBoxes.size());
    std::vector<std::string> names = FolderNames(m_data.folder.Path("dst"));
    ASSERT_EQ(1u, names.size());
    EXPECT_EQ(std::vector<std::string>{u8"Pellori_1_1_0_共通データ"},
              FolderNames(m_data.folder.Path("dst/" + names[0])));
}
