// The reference-data writer over APP_USER_REGIST.mdb and the sample COM_CODE.mdb, both as SQLite
// files and as Access (Jet 4) files: a table from before the schema patch, missing code tables
// and database errors. The nine sections of a populated database and of empty tables are pinned
// through the export's archive (CommonDataEndToEndTest).
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/ReferenceDataFolders.h"
#include "tests/support/TempWorkingFolder.h"

#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppComTblAccess.h"
#include "writers/common/ZnAppDocFDOut99.h"

#include <cstdio>
#include <functional>

using testsupport::DataPath;
using testsupport::Hex;
using testsupport::ReadFileBytes;

namespace {

using Section = void (ZnAppDocFDOut99::*)(CString, FILE*);

std::string Expected(const std::string& name) { return ReadFileBytes(DataPath("writers/" + name)); }

} // namespace

// The reference-data folders, all in the variant's format.
class CommonData : public ::testing::TestWithParam<AppDatabaseVariant> {
protected:
    // Runs the writing into a new file opened in text mode, as the export opens it, and returns
    // the file's bytes.
    std::string Written(const std::function<void(ZnAppDocFDOut99&, FILE*)>& write)
    {
        FILE* file = WinFopen(m_data.Windows("out.xml"), "w");
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
        return ReadFileBytes(m_data.folder.Path("out.xml"));
    }
    std::string Written(Section section)
    {
        return Written([&](ZnAppDocFDOut99& writer, FILE* file) { (writer.*section)(m_data.Windows("com"), file); });
    }

    testsupport::TempWorkingFolder m_work; // takes the run log of the code tables
    ReferenceDataFolders m_data{GetParam(), true};
};

INSTANTIATE_TEST_SUITE_P(Formats, CommonData, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// A file from before the schema patch, which an Access file keeps: the equipment advisers are
// written with an empty registration number, and the file is not changed.
TEST_P(CommonData, EquipmentTableWithoutRegistrationNumberIsWrittenWithItEmpty)
{
    m_data.MakeUserRegist("", "storage/OldAppSetsubishaTbl.sql");
    std::string before = ReadFileBytes(m_data.folder.Path("com/APP_USER_REGIST.mdb"));
    EXPECT_EQ(Hex(Expected("common_data_old_equipment.xml")), Hex(Written(&ZnAppDocFDOut99::WriteSetsubisha)));
    EXPECT_EQ(before, ReadFileBytes(m_data.folder.Path("com/APP_USER_REGIST.mdb")));
}

TEST_P(CommonData, CodesGiveEmptyNamesWithoutTheCodeTables)
{
    m_data.MakeUserRegist(appUserRegistSchema, "writers/common_data_rows.sql");
    m_data.shell.comTblAccess = nullptr;
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

    m_data.MakeUserRegist("", "storage/OldAppSetsubishaTbl.sql");
    std::string partial;
    LONG error = testsupport::DaoErrorOf([&] {
        Written([&](ZnAppDocFDOut99& writer, FILE* file) {
            writer.WriteSetsubisha(m_data.Windows("com"), file);
            fflush(file);
            partial = ReadFileBytes(m_data.folder.Path("out.xml"));
            writer.WriteYane(m_data.Windows("com"), file);
        });
    });
    EXPECT_EQ(daoErrInputNotFound, error);
    EXPECT_EQ(Hex(Expected("common_data_old_equipment.xml")), Hex(partial));
    EXPECT_EQ(partial, ReadFileBytes(m_data.folder.Path("out.xml")));
}
