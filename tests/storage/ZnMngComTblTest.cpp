// The code-table manager: its attributes, the sort and filter texts of the code-table recordset,
// the 41 code tables with their cached recordsets on one database, the failures that leave a
// table without recordset, and the registry tables.
#include "tests/storage/ComCodeFixture.h"

#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnMngComDbAttr.h"
#include "storage/ZnMngComTblApp.h"
#include "storage/ZnMngComTblAttr.h"
#include "storage/ZnRegistryDataLocation.h"
#include "storage/ZnRegistryStartup.h"
#include "storage/ZnRegistrySystemStartup.h"
#include "storage/ZnRsetComCodeTbl.h"

#include <memory>
#include <sys/stat.h>

namespace {

// The tables that the schema of COM_CODE.mdb creates, in its order.
std::vector<std::string> SchemaTables()
{
    std::vector<std::string> tables;
    std::string schema = comCodeSchema;
    const std::string create = "CREATE TABLE ";
    for (size_t at = schema.find(create); at != std::string::npos; at = schema.find(create, at + 1)) {
        size_t name = at + create.size();
        tables.push_back(schema.substr(name, schema.find(' ', name) - name));
    }
    return tables;
}

std::vector<std::string> ValueNames(ZnRegistry* object)
{
    CStringList names;
    object->GetValueNames(names);
    std::vector<std::string> texts;
    for (POSITION pos = names.GetHeadPosition(); pos;)
        texts.push_back(names.GetNext(pos).Bytes());
    return texts;
}

} // namespace

// The folder of a code database gets its backslash (a 表 ending in 5C is no backslash); the sort
// and filter texts of a code-table recordset add up as the writers' slots need them; the
// placeholder table and a missing database give no recordset.
TEST(ZnMngComTbl, AttributesSortAndFilterTexts)
{
    EXPECT_EQ("C:\\app\\", ZnMngComDbAttr("COM_CODE.mdb", "C:\\app\\", 0, 0, nullptr).m_strFolder);
    EXPECT_EQ("", ZnMngComDbAttr("COM_CODE.mdb", "", 0, 0, nullptr).m_strFolder);
    ZnMngComDbAttr japanese("COM_CODE.mdb", "C:\\コード表", 0, 0, nullptr);
    EXPECT_EQ("C:\\コード表\\COM_CODE.mdb", japanese.GetPath());
    EXPECT_EQ("", japanese.GetConnect());
    EXPECT_EQ(";pwd=secret", ZnMngComDbAttr("COM_CODE.mdb", "", 0, 0, "secret").GetConnect());

    ZnRsetComCodeTbl recordset(nullptr);
    recordset.AddHyoujijunSort(1);
    recordset.AddHyoujijunSort(0);
    EXPECT_EQ("Hyoujijun ASC, Hyoujijun DESC", recordset.m_strSort);
    recordset.AddHyoujiFlgFilter(ZnRsetComCodeTbl::hyoujiFlgApp, 1);
    recordset.AddHyoujiFlgFilter(ZnRsetComCodeTbl::hyoujiFlgRegist, 0);
    recordset.AddHyoujiFlgFilter(5, 1);
    recordset.AddHyoujiFlgFilter(-1, 1);
    recordset.AddHyoujiFlgFilter(ZnRsetComCodeTbl::hyoujiFlgDbView, 1);
    EXPECT_EQ("HyoujiFlgApp = True OR HyoujiFlgRegist = True AND HyoujiFlgDbView = True", recordset.m_strFilter);
    recordset.ClearSort();
    recordset.ClearFilter();
    EXPECT_EQ("", recordset.m_strSort + recordset.m_strFilter);

    ZnMngComTblApp manager;
    CDaoDatabase database;
    ZnMngComTblAttr placeholder(0, "0", "XXXXXXTbl", "", "COM_CODE.mdb", nullptr, -1, 0);
    ZnMngComTblAttr gengou(10034, "10034", "GengouTbl", "", "COM_CODE.mdb", nullptr, -1, 0);
    EXPECT_EQ(nullptr, manager.NewRecordset(&placeholder, &database));
    EXPECT_EQ(nullptr, manager.NewRecordset(&gengou, nullptr));
    EXPECT_EQ(nullptr, manager.NewRecordset(nullptr, &database));
}

class ComCodeManager : public ComCodeSuite {};

// Init registers the 41 tables in COM_CODE.mdb and, with open set, opens each one's cached
// recordset; they all run on the one database of the file.
TEST_P(ComCodeManager, OpensTheFortyOneTablesOnOneDatabase)
{
    ZnMngComTblApp manager;
    manager.SetComTblFolder(m_shell.appFolder);
    manager.Init(1);
    CDaoDatabase* database = manager.GetDatabase("GengouTbl");
    ASSERT_NE(nullptr, database);
    EXPECT_TRUE(database->IsOpen());
    // Each table of the schema is registered under the number that its sample rows carry, and
    // opens on the one database.
    std::vector<std::string> tables = SchemaTables();
    ASSERT_EQ(41u, tables.size());
    for (size_t i = 0; i < tables.size(); ++i) {
        SCOPED_TRACE(tables[i]);
        ZnMngComTblAttr* attr = manager.GetTableAttr(tables[i].c_str());
        ASSERT_NE(nullptr, attr);
        EXPECT_EQ(10001 + static_cast<int>(i), attr->m_nCode);
        EXPECT_EQ(std::to_string(10001 + i), attr->m_strCode.Bytes());
        EXPECT_EQ(AFX_DAO_USE_DEFAULT_TYPE, attr->m_nOpenType);
        CString sql = "stale";
        ZnRsetComCodeTbl* recordset = manager.GetRecordset(tables[i].c_str(), sql, 1);
        ASSERT_NE(nullptr, recordset);
        EXPECT_EQ("[" + tables[i] + "]", sql.Bytes());
        EXPECT_FALSE(recordset->IsEOF());
        EXPECT_EQ(database, recordset->m_pDatabase);
        EXPECT_EQ(attr->m_strCode, recordset->m_TblCode);
    }
    EXPECT_EQ(u8"令１３条の２の建築物の区分",
              Field(manager.GetTableAttr("Rei13_2KenchikubutsuKubunTbl")->m_strDisplayName));
    EXPECT_EQ(u8"除却建築物の住宅の利用関係（建築工事届、除却届用）",
              Field(manager.GetTableAttr("JokyakuKenchikubutsuJuutakuKankeiTbl")->m_strDisplayName));

    // The cached recordset is handed out again: closed with open 0, open again with open 1.
    CString sql;
    ZnRsetComCodeTbl* gengou = manager.GetRecordset("GengouTbl", sql, 0);
    EXPECT_FALSE(gengou->IsOpen());
    EXPECT_EQ("[GengouTbl]", sql);
    EXPECT_EQ(gengou, manager.GetRecordset("GengouTbl", sql, 1));
    EXPECT_TRUE(gengou->IsOpen());
    EXPECT_EQ(u8"昭和", Field(gengou->m_SeishikiMeishou));

    // CreateRecordset makes one of the caller's own, on the same database.
    std::unique_ptr<ZnRsetComCodeTbl> own(manager.CreateRecordset("GengouTbl", sql, 0));
    ASSERT_NE(nullptr, own);
    EXPECT_NE(gengou, own.get());
    EXPECT_FALSE(own->IsOpen());
    EXPECT_EQ(database, own->m_pDatabase);
    own.reset();

    EXPECT_EQ(nullptr, manager.GetRecordset("NoSuchTbl", sql, 1));
    EXPECT_EQ("", sql);
    EXPECT_EQ(nullptr, manager.GetRecordset("", sql, 1));
    EXPECT_EQ(nullptr, manager.GetRecordset(nullptr, sql, 1));
    EXPECT_EQ(nullptr, manager.CreateRecordset("NoSuchTbl", sql, 1));
    EXPECT_EQ(nullptr, manager.GetDatabase("NoSuchTbl"));

    // Init again starts afresh: nothing cached survives, nothing leaks.
    manager.Init(0);
    ZnRsetComCodeTbl* fresh = manager.GetRecordset("GengouTbl", sql, 0);
    ASSERT_NE(nullptr, fresh);
    EXPECT_FALSE(fresh->IsOpen());
}

// A database that cannot be opened, and a table that the file lacks, give no recordset; the
// other tables of the file still open.
TEST_P(ComCodeManager, MissingFileAndMissingTableGiveNoRecordset)
{
    ZnMngComTbl manager;
    manager.SetComTblFolder(CString(LinuxPathToWin(m_folder.Path("nowhere"))));
    manager.Init(1);
    CString sql = "stale";
    EXPECT_EQ(nullptr, manager.GetRecordset("GengouTbl", sql, 1));
    EXPECT_EQ("", sql);
    ASSERT_NE(nullptr, manager.GetDatabase("GengouTbl"));
    EXPECT_FALSE(manager.GetDatabase("GengouTbl")->IsOpen());

    // A file with one code table only.
    mkdir(m_folder.Path("one").c_str(), 0777);
    std::string schema = comCodeSchema;
    size_t second = schema.find("CREATE TABLE", schema.find("CREATE TABLE") + 1);
    DaoCreateDatabase(m_folder.Path("one/COM_CODE.mdb").c_str(), schema.substr(0, second));
    manager.SetComTblFolder(CString(LinuxPathToWin(m_folder.Path("one"))));
    manager.Init(0);
    EXPECT_EQ(nullptr, manager.GetRecordset("GengouTbl", sql, 1));
    EXPECT_EQ(nullptr, manager.CreateRecordset("GengouTbl", sql, 1));
    ZnRsetComCodeTbl* first = manager.GetRecordset("KenchikushiTourokuShubetsuTbl", sql, 1);
    ASSERT_NE(nullptr, first);
    EXPECT_TRUE(first->IsOpen());
    EXPECT_TRUE(first->IsEOF());
}

INSTANTIATE_TEST_SUITE_P(Variants, ComCodeManager, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });

// The registry tables give their settings objects under the keys of the maker's programs; the
// application's manager adds the start-up record. Nothing here touches the registry.
TEST(ZnMngComTblApp, RegistryTablesGiveTheirSettingsObjects)
{
    ZnMngComTblApp manager;
    manager.RegInit(1);
    const struct {
        const char* table;
        CRuntimeClass* objectClass;
        HKEY root;
        const char* keyPath;
        std::vector<std::string> names; // none: the eleven folders of ZnRegistryDataLocation
    } tables[] = {
        {"DataLocationTbl", RUNTIME_CLASS(ZnRegistryDataLocation), HKEY_LOCAL_MACHINE,
         "SOFTWARE\\Norva\\Zadazez\\DataLocation", {}},
        {"SystemStartupTbl", RUNTIME_CLASS(ZnRegistrySystemStartup), HKEY_CURRENT_USER,
         "software\\Norva\\Zadazez\\SystemStartup",
         {"ShiyoushaCode", "ShiyoushaName", "ShiyoushaFirstName", "ShiyoushaTanmatsu", "ShiyoushaKengen"}},
        {"StartupAppTbl", RUNTIME_CLASS(ZnRegistryStartup), HKEY_CURRENT_USER,
         "software\\Norva\\Zadazez\\App\\6.00.0.0", {"Startup"}},
    };
    for (const auto& table : tables) {
        ZnRegistry* object = manager.GetRegObject(table.table);
        ASSERT_NE(nullptr, object) << table.table;
        EXPECT_TRUE(object->IsKindOf(table.objectClass)) << table.table;
        EXPECT_EQ(table.root, object->GetRootKey()) << table.table;
        EXPECT_EQ(table.keyPath, object->GetKeyPath());
        if (table.names.empty())
            EXPECT_EQ(11u, ValueNames(object).size());
        else
            EXPECT_EQ(table.names, ValueNames(object));
        EXPECT_EQ(object, manager.GetRegObject(table.table));
    }
    EXPECT_EQ(nullptr, manager.GetRegObject("NoSuchTbl"));
    EXPECT_EQ(nullptr, manager.GetRegObject(""));

    // The base manager knows two registry tables; without create, objects come on first use.
    ZnMngComTbl base;
    base.RegInit(0);
    EXPECT_EQ(nullptr, base.GetRegObject("StartupAppTbl"));
    EXPECT_NE(nullptr, base.GetRegObject("SystemStartupTbl"));
}
