// The reference-data writer over APP_USER_REGIST.mdb and the sample COM_CODE.mdb, both as SQLite
// files and as Access (Jet 4) files: the nine sections byte for byte, empty tables, a table from
// before the schema patch, missing code tables and database errors.
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/TempWorkingFolder.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"
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

// The section writers in the order in which the export calls them.
const Section kSections[] = {
    &ZnAppDocFDOut99::WriteKenchikunushi, &ZnAppDocFDOut99::WriteShinseisha,    &ZnAppDocFDOut99::WriteSekkeisha,
    &ZnAppDocFDOut99::WriteSekousha,      &ZnAppDocFDOut99::WriteTokuteiKoutei, &ZnAppDocFDOut99::WriteChimeiChiban,
    &ZnAppDocFDOut99::WriteSetsubisha,    &ZnAppDocFDOut99::WriteYane,          &ZnAppDocFDOut99::WriteGaiheki,
};

std::string Expected(const std::string& name) { return ReadFileBytes(DataPath("writers/" + name)); }

// The sections parsed inside a root element as the export frames them; fails the test when they
// are not well-formed. Returns the names and the texts of the root's element children.
struct ParsedSections {
    std::vector<std::string> names;
    std::vector<std::string> texts; // the whole text content of each section element
};

ParsedSections Parse(const std::string& sections)
{
    std::string document =
        u8"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<共通データ>\r\n" + sections + u8"</共通データ>\r\n";
    ParsedSections parsed;
    xmlDocPtr doc = xmlReadMemory(document.data(), static_cast<int>(document.size()), "sections.xml", nullptr,
                                  XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (!doc) {
        ADD_FAILURE() << "the sections are not well-formed";
        return parsed;
    }
    for (xmlNodePtr node = xmlDocGetRootElement(doc)->children; node; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        parsed.names.push_back(reinterpret_cast<const char*>(node->name));
        xmlChar* text = xmlNodeGetContent(node);
        parsed.texts.push_back(reinterpret_cast<const char*>(text));
        xmlFree(text);
    }
    xmlFreeDoc(doc);
    return parsed;
}

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

// Every section in the export's order: rows in display order, values escaped, split values with
// all their hyphens, architect classes read as numbers, codes turned into names or left empty,
// the designer's fields three tabs deep and the empty outer-wall table left out.
TEST_P(CommonData, NineSectionsFromAPopulatedDatabase)
{
    MakeUserRegist(appUserRegistSchema, "writers/common_data_rows.sql");
    std::string written = Written([&](ZnAppDocFDOut99& writer, FILE* file) {
        for (Section section : kSections)
            (writer.*section)(Windows("com"), file);
    });
    EXPECT_EQ(Hex(Expected("common_data_sections.xml")), Hex(written));

    ParsedSections parsed = Parse(written);
    ASSERT_EQ(20u, parsed.names.size());
    EXPECT_EQ(u8"建築主", parsed.names[0]);
    EXPECT_EQ(u8"屋根", parsed.names[19]);
    // What a reader gets back of the escaped owner's row is the stored text.
    EXPECT_EQ(u8"\n\t\tｿﾌﾄ&ｺｳ\n\t\tソフト<表>\"工房\"'s\n\t\t530-0001\n\t\t大阪府 100%\n\t\t06-1234-\n\t",
              parsed.texts[1]);
}

TEST_P(CommonData, EmptyTablesWriteNothing)
{
    MakeUserRegist(appUserRegistSchema, "storage/NoRows.sql");
    for (Section section : kSections)
        EXPECT_EQ("", Written(section));
}

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
