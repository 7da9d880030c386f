// The reference-data writer over APP_USER_REGIST.mdb and the sample COM_CODE.mdb, both as SQLite
// files and as Access (Jet 4) files: a table from before the schema patch, missing code tables
// and database errors. The nine sections of a populated database and of empty tables are pinned
// through the export's archive (CommonDataEndToEndTest).
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/TempWorkingFolder.h"

#include "platform/Cp932.h"
#include "platform/WinPath.h"
#include "platform/WinStdio.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppComTblAccess.h"
#include "tools/sampledata/SampleCodeDatabases.h"
#include "writers/common/ZnAppDocFDOut99.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstdio>
#include <functional>
#include <sys/stat.h>

using testsupport::DataPath;
using testsupport::Hex;
using testsupport::ReadFileBytes;

namespace {

using Section = void (ZnAppDocFDOut99::*)(CString, FILE*);

std::string Expected(const std::string& name) { return ReadFileBytes(DataPath("writers/" + name)); }

} // namespace

// The reference-data folder with APP_USER_REGIST.mdb, the application folder with the sample
// COM_CODE.mdb and the application's code tables opened on it, all in the variant's format.
class CommonData : public ::testing::TestWithParam<AppDatabaseVariant> {
protected:
    void SetUp() override
    {
        for (const char* folder : {"com", "app"})
            ASSERT_EQ(0, mkdir(m_folder.Path(folder).c_str(), 0777));
        MakeComCode(m_folder.Path("app/COM_CODE.mdb"));
        m_shell.appFolder = Windows("app");
        m_access.Init();
        m_shell.comTblAccess = &m_access;
    }

    void MakeUserRegist(const std::string& schema, const std::string& rows)
    {
        GetParam().make(m_folder.Path("com/APP_USER_REGIST.mdb"), schema, rows);
    }

    // Runs the writing into a new file opened in text mode, as the export opens it, and returns
    // the file's bytes.
    std::string Written(const std::function<void(ZnAppDocFDOut99&, FILE*)>& write)
    {
        FILE* file = WinFopen(Windows("out.xml"), "w");
        EXPECT_TRUE(file);
        if (!file)
            return std::string();
        ZnAppDocFDOut99 writer;
        try {
            write(writer, file);
        } catch (...) {
            fclose(file);
            throw;
        }
        fclose(file);
        return ReadFileBytes(m_folder.Path("out.xml"));
    }
    std::string Written(Section section)
    {
        return Written([&](ZnAppDocFDOut99& writer, FILE* file) { (writer.*section)(Windows("com"), file); });
    }

    CString Windows(const std::string& relative) const { return LinuxPathToWin(m_folder.Path(relative)).c_str(); }

    testsupport::TempWorkingFolder m_work; // takes the run log of the code tables
    testsupport::TempFolder m_folder;
    testsupport::TestShellState m_shell;
    ZnAppComTblAccess m_access;

private:
    void MakeComCode(const std::string& path) const
    {
        if (GetParam().writable) {
            MakeSampleComCode(path);
            return;
        }
        std::string source = path + ".source";
        MakeSampleComCode(source);
        CopyToJetFile(source, path, JetVersion::Jet4);
        std::remove(source.c_str());
    }
};

INSTANTIATE_TEST_SUITE_P(Formats, CommonData, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// A file from before the schema patch, which an Access file keeps: the equipment advisers are
// written with an empty registration number, and the file is not changed.
TEST_P(CommonData, EquipmentTableWithoutRegistrationNumberIsWrittenWithItEmpty)
{
    MakeUserRegist("", "storage/OldAppSetsubishaTbl.sql");
    std::string before = ReadFileBytes(m_folder.Path("com/APP_USER_REGIST.mdb"));
    EXPECT_EQ(Hex(Expected("common_data_old_equipment.xml")), Hex(Written(&ZnAppDocFDOut99::WriteSetsubisha)));
    EXPECT_EQ(before, ReadFileBytes(m_folder.Path("com/APP_USER_REGIST.mdb")));
}

TEST_P(CommonData, CodesGiveEmptyNamesWithoutTheCodeTables)
{
    MakeUserRegist(appUserRegistSchema, "writers/common_data_rows.sql");
    m_shell.comTblAccess = nullptr;
    EXPECT_EQ(Hex(Expected("common_data_constructors_without_codes.xml")),
              Hex(Written(&ZnAppDocFDOut99::WriteSekousha)));
}

// A missing database or table raises the database layer's error to the caller, who ends the
// export; the writer reports nothing itself (an unscripted message box would fail the test), and
// what was written before stays.
TEST_P(CommonData, DatabaseErrorsRiseToTheCallerUnreported)
{
    for (Section section : {&ZnAppDocFDOut99::WriteKenchikunushi, &ZnAppDocFDOut99::WriteSetsubisha})
        EXPECT_EQ(daoErrFileNotFound, testsupport::DaoErrorOf([&] { Written(section); }));

    MakeUserRegist("", "storage/OldAppSetsubishaTbl.sql");
    std::string partial;
    LONG error = testsupport::DaoErrorOf([&] {
        Written([&](ZnAppDocFDOut99& writer, FILE* file) {
            writer.WriteSetsubisha(Windows("com"), file);
            fflush(file);
            partial = ReadFileBytes(m_folder.Path("out.xml"));
            writer.WriteYane(Windows("com"), file);
        });
    });
    EXPECT_EQ(daoErrInputNotFound, error);
    EXPECT_EQ(Hex(Expected("common_data_old_equipment.xml")), Hex(partial));
    EXPECT_EQ(partial, ReadFileBytes(m_folder.Path("out.xml")));
}
