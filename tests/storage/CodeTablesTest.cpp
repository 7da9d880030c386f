// The code tables over the sample COM_CODE.mdb: the manager, the registry tables, the access.
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/RunLogCheck.h"
#include "tests/support/TabbedCases.h"
#include "tests/support/TempWorkingFolder.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CComboBox.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnMngComDbAttr.h"
#include "storage/ZnMngComTblApp.h"
#include "storage/ZnMngComTblAttr.h"
#include "storage/ZnRegistryDataLocation.h"
#include "storage/ZnRegistryStartup.h"
#include "storage/ZnRegistrySystemStartup.h"
#include "storage/ZnRsetComCodeTbl.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <sys/stat.h>

using Access = ZnAppComTblAccess;

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

std::string Name(ZnRsetComCodeTbl* recordset, LPCTSTR code) { return Field(Access::GetNameByCode(recordset, code)); }

// The codes of a slot's rows in its order, joined by blanks.
std::string Codes(ZnRsetComCodeTbl* recordset)
{
    std::string codes;
    for (recordset->MoveFirst(); !recordset->IsEOF(); recordset->MoveNext())
        codes += (codes.empty() ? "" : " ") + recordset->m_Code.Bytes();
    return codes;
}

#define SLOT(name) {#name, Access::slot##name}
const std::map<std::string, int> kSlots = {
    SLOT(KenchikushiTourokuShubetsu), SLOT(JimushoTourokuShubetsu),       SLOT(KensetsugyouKyoka),
    SLOT(KenchikushiShikaku),         SLOT(JimushoShikaku),               SLOT(YoutoChiiki),
    SLOT(TatemonoYouto),              SLOT(ShoukoukiShubetsu),            SLOT(ShoukoukiYouto),
    SLOT(KouzouShubetsu),             SLOT(TaikaShubetsu),                SLOT(Gengou),
    SLOT(GyoushuKoujitodoke),         SLOT(ToshikeikakuKuikiKoujitodoke), SLOT(TatemonoYoutoKoujitodoke),
    SLOT(ShuyouyoutoKubunKoujitodoke), SLOT(ShuyouyoutoKubunKoujitodokeBelow6),
    SLOT(ShuyouyoutoKubunKoujitodokeFrom11)};
#undef SLOT

// The texts of a combo box's items in order, as UTF-8 joined by "|".
std::string ComboTexts(const CComboBox& combo)
{
    std::string texts;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        texts += (i ? "|" : "") + Field(text);
    }
    return texts;
}

} // namespace

// The sample COM_CODE.mdb in a named application folder; the run log in a working folder.
class CodeTables : public ::testing::TestWithParam<AppDatabaseVariant> {
protected:
    void SetUp() override
    {
        mkdir(m_folder.Path("app").c_str(), 0777);
        MakeLike(GetParam(), m_folder.Path("app/COM_CODE.mdb"), [](const std::string& path) { MakeSampleComCode(path); });
        m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path("app")));
    }
    std::string RunLog() const { return testsupport::ReadFileBytes(m_work.Work().Path("ravuRivo.log")); }
    ZnRsetComCodeTbl* Slot(int slot) const { return m_access.m_pRset[slot]; }

    testsupport::TempWorkingFolder m_work;
    testsupport::TempFolder m_folder;
    testsupport::TestShellState m_shell;
    Access m_access;
};

// A code database's path (表 ends in 5C), the sort and filter texts, no recordset without a table.
TEST(ZnMngComTbl, AttributesSortAndFilterTexts)
{
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

// Init registers the 41 tables and, with open set, opens each one's cached recordset on one database.
TEST_P(CodeTables, OpensTheFortyOneTablesOnOneDatabase)
{
    ZnMngComTblApp manager;
    manager.SetComTblFolder(m_shell.appFolder);
    manager.Init(1);
    CDaoDatabase* database = manager.GetDatabase("GengouTbl");
    ASSERT_NE(nullptr, database);
    EXPECT_TRUE(database->IsOpen());
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

// A database that cannot be opened, and a table that the file lacks, give no recordset.
TEST_P(CodeTables, MissingFileAndMissingTableGiveNoRecordset)
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

// The registry tables give their settings objects; the application's manager adds the start-up record.
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

// Every slot opens and gives the names, codes, orders and combo boxes of storage/code_names.txt.
TEST_P(CodeTables, SlotsGiveTheNamesCodesAndOrdersOfTheFile)
{
    m_access.Init();
    for (int slot = 0; slot < Access::slotCount; ++slot)
        EXPECT_NE(nullptr, Slot(slot)) << slot;
    for (const std::vector<CString>& check : testsupport::ReadTabbedCases("storage/code_names.txt")) {
        SCOPED_TRACE(check[0].Bytes() + " " + check[1].Bytes() + " " + Field(check[2]));
        ZnRsetComCodeTbl* set = Slot(kSlots.at(check[1].Bytes()));
        const std::string what = check[0].Bytes();
        CComboBox combo;
        combo.AddString("stale");
        m_shell.chiikiBangou = what == "region" ? std::stoi(check[2].Bytes()) : 0;
        if (what == "fill" || what == "region")
            what == "fill" ? Access::FillCombo(set, &combo) : m_access.FillComboByChiiki(set, &combo);
        EXPECT_EQ(check[3], what == "name"    ? Access::GetNameByCode(set, check[2])
                            : what == "short" ? Access::GetShortNameByCode(set, check[2])
                            : what == "code"  ? Access::GetCodeByName(set, check[2])
                            : what == "order" ? CString(Codes(set).c_str())
                                              : CString(cp932::FromUtf8(ComboTexts(combo))));
    }
    EXPECT_EQ("Hyoujijun ASC", Slot(Access::slotYoutoChiiki)->m_strSort);
    EXPECT_EQ("HyoujiFlgApp = True", Slot(Access::slotYoutoChiiki)->m_strFilter);
    for (int slot :
         {Access::slotKenchikushiTourokuShubetsu, Access::slotJimushoTourokuShubetsu, Access::slotKensetsugyouKyoka}) {
        EXPECT_EQ("", Slot(slot)->m_strFilter);
        EXPECT_EQ("Hyoujijun ASC", Slot(slot)->m_strSort);
    }

    // The region filters alone.
    m_access.SetRegionExcludeFilter(3);
    EXPECT_EQ("[Bangou]<>3 and [Bangou]<>9999", Slot(Access::slotKenchikushiTourokuShubetsu)->m_strFilter);
    EXPECT_EQ("[Bangou]<>3", Slot(Access::slotJimushoTourokuShubetsu)->m_strFilter);
    EXPECT_EQ("00201 00226 00227 00240", Codes(Slot(Access::slotKenchikushiTourokuShubetsu)));
    m_access.SetRegionFilter(8);
    EXPECT_EQ("[Bangou]=8 or [Bangou]=9999", Slot(Access::slotKensetsugyouKyoka)->m_strFilter);
    EXPECT_EQ("00500 00540", Codes(Slot(Access::slotKensetsugyouKyoka)));
}

// The housing-finance names are corrected where the file allows; else a line of the run log.
TEST_P(CodeTables, HousingFinanceNamesAreCorrectedWhereTheFileAllows)
{
    m_access.Init();
    ZnRsetComCodeTbl* finance = Slot(Access::slotJuutakuShikinKoujitodoke);
    ASSERT_NE(nullptr, finance);
    EXPECT_EQ(u8"民間資金", Name(finance, "07001"));
    if (GetParam().writable) {
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Name(finance, "07003"));
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Field(finance->m_TanshukuMeishou));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Name(finance, "07004"));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Field(finance->m_TanshukuMeishou));
        EXPECT_EQ("", RunLog());
    } else {
        EXPECT_EQ(u8"住宅金融公庫", Name(finance, "07003"));
        EXPECT_EQ(u8"都市基盤整備公団", Name(finance, "07004"));
        testsupport::ExpectLogLines(RunLog(), {" [WARN ] ZnAppComTblAccess#Init() - "
                                               "コードテーブル【JuutakuShikinKoujitodokeTbl】の名称を更新できませんでし"
                                               "た（3027：データベースまたはオブジェクトが読み取り専用なので、更新でき"
                                               "ません。）。"});
        for (int slot = 0; slot < Access::slotCount; ++slot)
            EXPECT_NE(nullptr, Slot(slot)) << slot;
    }

    // A second start finds the same names (and, for the Access file, logs once more).
    m_access.Init();
    finance = Slot(Access::slotJuutakuShikinKoujitodoke);
    EXPECT_EQ(GetParam().writable ? u8"独立行政法人都市再生機構" : u8"都市基盤整備公団", Name(finance, "07004"));
    std::string log = RunLog();
    EXPECT_EQ(GetParam().writable ? 0 : 2, std::count(log.begin(), log.end(), '\n'));
}

// Close frees once; without a table file no slot opens; a folder ending in ー (5C) gets its \.
TEST_P(CodeTables, ClosesOnceAndCopesWithoutTables)
{
    m_access.Init();
    m_access.Close();
    for (int slot = 0; slot < Access::slotCount; ++slot)
        EXPECT_EQ(nullptr, Slot(slot));
    m_access.Close();

    std::string log = RunLog();
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path("missing")));
    m_access.Init();
    for (int slot = 0; slot < Access::slotCount; ++slot)
        EXPECT_EQ(nullptr, Slot(slot));
    CComboBox combo;
    combo.AddString("kept");
    Access::FillCombo(nullptr, &combo);
    m_access.FillComboByChiiki(nullptr, &combo);
    EXPECT_EQ("kept", ComboTexts(combo));
    EXPECT_EQ("", Access::GetNameByCode(nullptr, "00213"));
    EXPECT_EQ("", Access::GetShortNameByCode(nullptr, "00213"));
    EXPECT_EQ("", Access::GetCodeByName(nullptr, "東京都知事"));
    m_access.SetRegionFilter(3);
    EXPECT_EQ(log, RunLog()); // no table, no correction to log

    ASSERT_EQ(0, std::rename(m_folder.Path("app").c_str(), m_folder.Path(u8"コード表").c_str()));
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path(u8"コード表")));
    ASSERT_EQ('\\', m_shell.appFolder.Bytes().back());
    m_access.Init();
    EXPECT_EQ(u8"昭和", Name(Slot(Access::slotGengou), "01"));
}

INSTANTIATE_TEST_SUITE_P(Variants, CodeTables, ::testing::ValuesIn(AppDatabaseVariants()),
                         [](const auto& info) { return info.param.name; });
