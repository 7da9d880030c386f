// The program's settings: the code tables over the sample COM_CODE.mdb (the manager, its registry
// tables, the access of the writers) and the settings objects over the registry.
#include "tests/storage/AppDatabaseFixture.h"
#include "tests/support/RunLogCheck.h"
#include "tests/support/TabbedCases.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TempWorkingFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CComboBox.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnAppRegObject.h"
#include "storage/ZnAppRegRoot.h"
#include "storage/ZnMngComDbAttr.h"
#include "storage/ZnMngComTblApp.h"
#include "storage/ZnMngComTblAttr.h"
#include "storage/ZnRegistry.h"
#include "storage/ZnRegistryDataLocation.h"
#include "storage/ZnRegistryStartup.h"
#include "storage/ZnRegistrySystemStartup.h"
#include "storage/ZnRsetComCodeTbl.h"
#include "tools/sampledata/SampleCodeDatabases.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <sys/stat.h>

using Access = ZnAppComTblAccess;
using namespace testsupport;

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

// The base alone, with Read and Write that only open and create the key.
class BareRegistry : public ZnRegistry {
public:
    using ZnRegistry::ZnRegistry;
    BOOL Read() override { ZnRegKey key; return OpenKey(key); }
    BOOL Write() override { ZnRegKey key; return CreateKey(key); }
};

const char kAppKey[] = "Norva\\Zadazez\\App\\6.00.0.1";

ZnAppRegObject Folders() { return ZnAppRegObject(kAppPosSubKey, "ZnApp", "ZnCom", "ZnObj", "ZnDst", "ZnOutput"); }

// A placement's members in their order, joined by ",".
std::string Members(const WINDOWPLACEMENT& p)
{
    std::string text;
    for (long member : std::initializer_list<long>{long(p.length), long(p.flags), long(p.showCmd), p.ptMinPosition.x, p.ptMinPosition.y,
                        p.ptMaxPosition.x, p.ptMaxPosition.y, p.rcNormalPosition.left, p.rcNormalPosition.top,
                        p.rcNormalPosition.right, p.rcNormalPosition.bottom})
        text += (text.empty() ? "" : ",") + std::to_string(member);
    return text;
}

// The five folder values joined by "|".
std::string Values(const ZnAppRegObject& folders)
{
    std::string values;
    for (const CString& value : folders.m_strValues)
        values += value.Bytes() + "|";
    return values.substr(0, values.size() - 1);
}

class ZnAppRegObjectTest : public ::testing::Test {
protected:
    void TearDown() override { ResetDriveTable(); }

    // Stores only the given folder values (name, text) below AppPos.
    static void StoreValues(std::initializer_list<std::pair<const char*, const char*>> values)
    {
        ZnRegKey key;
        ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey));
        for (const auto& value : values)
            key.SetValue(value.second, value.first);
    }

    TempRegistry m_registry;
};

const char kCompany[] = "Norva\\Zadazez";

// The objects as the code-table manager makes them.
std::unique_ptr<ZnRegistrySystemStartup> SystemStartup(LPCTSTR rightsName = "ShiyoushaKengen")
{
    auto user = std::make_unique<ZnRegistrySystemStartup>("SystemStartup", "ShiyoushaCode", "ShiyoushaName",
                                                          "ShiyoushaFirstName", "ShiyoushaTanmatsu", rightsName);
    user->SetCompanyKey(kCompany);
    return user;
}

std::unique_ptr<ZnRegistryStartup> Startup()
{
    auto startup = std::make_unique<ZnRegistryStartup>("Startup", "WindowPlacement");
    startup->SetCompanyKey(kCompany);
    startup->SetKey("App\\6.00.0.0");
    return startup;
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
    int OpenSlots() const { return int(std::count_if(std::begin(m_access.m_pRset), std::end(m_access.m_pRset), [](auto* set) { return set; })); }

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
    for (auto [flag, andMode] : {std::pair{int(ZnRsetComCodeTbl::hyoujiFlgApp), 1}, {ZnRsetComCodeTbl::hyoujiFlgRegist, 0},
                                 {5, 1}, {-1, 1}, {ZnRsetComCodeTbl::hyoujiFlgDbView, 1}})
        recordset.AddHyoujiFlgFilter(flag, andMode);
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
    ASSERT_TRUE(database && database->IsOpen());
    std::vector<std::string> tables = SchemaTables();
    ASSERT_EQ(41u, tables.size());
    for (size_t i = 0; i < tables.size(); ++i) {
        SCOPED_TRACE(tables[i]);
        ZnMngComTblAttr* attr = manager.GetTableAttr(tables[i].c_str());
        ASSERT_NE(nullptr, attr);
        EXPECT_EQ(10001 + static_cast<int>(i), attr->m_nCode);
        EXPECT_EQ(std::to_string(10001 + i), attr->m_strCode.Bytes());
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
    EXPECT_EQ(Access::slotCount, OpenSlots());
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

// The housing-finance names are corrected at Init, in the file where it allows, else in what the
// code tables read of it: the file stays as it was and each start logs the refusal once.
TEST_P(CodeTables, HousingFinanceNamesAreCorrectedWhateverTheFileAllows)
{
    std::string file = m_folder.Path("app/COM_CODE.mdb");
    std::string before = ReadFileBytes(file);
    const std::string refusal = " [WARN ] ZnAppComTblAccess#Init() - コードテーブル【JuutakuShikinKoujitodokeTbl】"
                                "の名称を更新できませんでした（3027：データベースまたはオブジェクトが読み取り専用"
                                "なので、更新できません。）。読み込んだ名称を訂正して使います。";
    for (int start = 1; start <= 2; ++start) {
        m_access.Init();
        EXPECT_EQ(Access::slotCount, OpenSlots());
        ZnRsetComCodeTbl* finance = Slot(Access::slotJuutakuShikinKoujitodoke);
        EXPECT_EQ(u8"民間資金", Name(finance, "07001"));
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Name(finance, "07003"));
        EXPECT_EQ(u8"独立行政法人住宅金融支援機構", Field(finance->m_TanshukuMeishou));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Name(finance, "07004"));
        EXPECT_EQ(u8"独立行政法人都市再生機構", Field(finance->m_TanshukuMeishou));
        CComboBox combo;
        Access::FillCombo(finance, &combo);
        EXPECT_NE(std::string::npos,
                  ComboTexts(combo).find(u8"|独立行政法人住宅金融支援機構|独立行政法人都市再生機構"));
        EXPECT_TRUE(GetParam().writable || before == ReadFileBytes(file));
        ExpectLogLines(RunLog(), std::vector<std::string>(GetParam().writable ? 0 : start, refusal));
    }
}

// Close frees once; without a table file no slot opens; a folder ending in 表 (5C) gets its \.
TEST_P(CodeTables, ClosesOnceAndCopesWithoutTables)
{
    m_access.Init();
    m_access.Close();
    EXPECT_EQ(0, OpenSlots());
    m_access.Close();

    std::string log = RunLog();
    m_shell.appFolder = CString(LinuxPathToWin(m_folder.Path("missing")));
    m_access.Init();
    EXPECT_EQ(0, OpenSlots());
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

TEST(ZnRegistry, KeyPathFollowsRootCompanyAndKey)
{
    EXPECT_EQ("SOFTWARE\\Norva\\Zadazez\\DataLocation",
              BareRegistry("Norva\\Zadazez", "DataLocation", HKEY_LOCAL_MACHINE).GetKeyPath());
    EXPECT_EQ("software\\Norva\\Zadazez\\DataLocation",
              BareRegistry("Norva\\Zadazez", "DataLocation", HKEY_CURRENT_USER).GetKeyPath());
    EXPECT_EQ("software\\DataLocation", BareRegistry(nullptr, "DataLocation", HKEY_CURRENT_USER).GetKeyPath());
    EXPECT_EQ("software", BareRegistry("", nullptr, HKEY_CURRENT_USER).GetKeyPath());

    TempRegistry registry;
    BareRegistry base("Norva", "Missing", HKEY_CURRENT_USER);
    CString text = "kept";
    EXPECT_EQ(1, base.GetValue("Any", text));
    EXPECT_EQ("kept", text);
    EXPECT_EQ(0, base.Read());
    EXPECT_EQ(1, base.Write());
    EXPECT_EQ(1, base.Read());
}

// A text reads whole with its zero (at most 255 CP932 bytes), of its own type only, never cut.
TEST(ZnRegKey, ReadsValuesWholeAndOfTheirTypeOnly)
{
    TempRegistry registry;
    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_CURRENT_USER, "software\\Raw"));
    std::string fits = std::string(253, 'a') + "表";
    ASSERT_EQ(ERROR_SUCCESS, key.SetValue(fits.c_str(), "Value"));
    CString text;
    EXPECT_TRUE(ZnRegistry::QueryText(key, "Value", text));
    EXPECT_EQ(CString(fits.c_str()), text);

    char buffer[ZnRegistry::kTextBufferSize];
    std::memset(buffer, '#', sizeof buffer);
    DWORD size = sizeof buffer;
    ASSERT_EQ(ERROR_SUCCESS, key.SetValue((std::string(254, 'a') + "表").c_str(), "Value"));
    EXPECT_EQ(ERROR_MORE_DATA, key.QueryValue(buffer, "Value", &size));
    ASSERT_EQ(ERROR_SUCCESS, key.SetValue(DWORD(0x41424344), "Value"));
    size = sizeof buffer;
    EXPECT_EQ(ERROR_UNSUPPORTED_TYPE, key.QueryValue(buffer, "Value", &size));
    EXPECT_EQ('#', buffer[0]); // the buffer never changes on failure

    ASSERT_EQ(ERROR_SUCCESS, key.SetValue("12", "Value"));
    DWORD number = 0xFFFFFFFF;
    EXPECT_EQ(ERROR_UNSUPPORTED_TYPE, key.QueryValue(number, "Value"));
    EXPECT_EQ(0xFFFFFFFFu, number);

    // A text stored by another program without its zero gets one, when there is room.
    RegSetValueExA(key.GetHandle(), "Value", 0, REG_SZ, reinterpret_cast<LPCBYTE>("abc"), 3);
    size = 4;
    EXPECT_EQ(ERROR_SUCCESS, key.QueryValue(buffer, "Value", &size));
    EXPECT_STREQ("abc", buffer);
    size = 3;
    EXPECT_EQ(ERROR_MORE_DATA, key.QueryValue(buffer, "Value", &size));
}

TEST_F(ZnAppRegObjectTest, WritesAndReadsTheFiveFoldersAndThePlacement)
{
    ZnAppRegObject folders = Folders();
    const char* values[] = {"C:\\Zadazez\\表", "C:\\ソフト\\共通\\", "D:\\物件", "", "A:\\"};
    for (int i = 0; i < ZnAppRegObject::kValueCount; ++i)
        folders.m_strValues[i] = values[i];
    ASSERT_EQ(1, folders.Write());
    ZnAppRegRoot root(kAppKey, "StartUp");
    WINDOWPLACEMENT closing = {sizeof(WINDOWPLACEMENT), 0, 3, {-32000, -32000}, {-1, -1}, {100, 80, 900, 700}};
    root.SetStartUpPlacement(closing);
    EXPECT_EQ("0,9,100,80,0,0,100,80,900,700", root.m_strStartUp);
    ASSERT_EQ(1, root.Write());
    EXPECT_EQ(Hex(ReadHexFixture("registry/MachineHiveAfterFolders.hex")), Hex(ReadFileBytes(m_registry.MachineHive())));

    ZnAppRegObject read = Folders();
    read.m_strValues[0] = "stale";
    ASSERT_EQ(1, read.Read());
    EXPECT_EQ("C:\\Zadazez\\表|C:\\ソフト\\共通\\|D:\\物件||A:\\", Values(read));
    CString install = "unchanged";
    EXPECT_EQ(1, GetInstallPath(install));
    EXPECT_EQ("C:\\Zadazez\\表", install);

    ZnAppRegRoot again(kAppKey, "StartUp");
    ASSERT_EQ(1, again.Read());
    WINDOWPLACEMENT placement = {};
    ASSERT_TRUE(again.GetStartUpPlacement(placement));
    EXPECT_EQ("44,0,9,100,80,0,0,100,80,900,700", Members(placement));
    // "x" is no number: it and the rest stay 0; no text, no placement.
    again.m_strStartUp = "2,1, 5,-6,x,9";
    ASSERT_TRUE(again.GetStartUpPlacement(placement));
    EXPECT_EQ("44,2,1,5,-6,0,0,0,0,0,0", Members(placement));
    again.m_strStartUp.Empty();
    EXPECT_FALSE(again.GetStartUpPlacement(placement));
}

// Without a stored output folder it is the first drive present (A:, C:, then from K:), or empty.
TEST_F(ZnAppRegObjectTest, OutputDefaultsToTheFirstDrivePresent)
{
    StoreValues({{"ZnApp", "C:\\App"}});
    TempFolder floppy;
    const struct {
        char drive;
        std::string folder;
        const char* output;
    } steps[] = {{'A', floppy.Path(), "A:\\"}, {'A', "", "C:\\"}, {'C', "", nullptr}, {'K', floppy.Path(), "K:\\"},
                 {'K', "", ""}};
    ZnAppRegObject folders = Folders();
    for (const auto& step : steps) {
        SetDriveFolder(step.drive, step.folder);
        ASSERT_EQ(1, folders.Read());
        if (step.output) {
            EXPECT_EQ(step.output, folders.m_strValues[ZnAppRegObject::kOutputIndex]) << step.drive << step.folder;
        }
    }
    EXPECT_EQ("C:\\App||||", Values(folders));

    // A stored output folder wins, even on a drive that is absent, and even when it is empty.
    for (const char* stored : {"Q:\\出力", ""}) {
        StoreValues({{"ZnOutput", stored}});
        ASSERT_EQ(1, folders.Read());
        EXPECT_EQ(stored, folders.m_strValues[ZnAppRegObject::kOutputIndex]);
    }
}

// Without the key all is empty; a value too long or of another type reads as missing.
TEST_F(ZnAppRegObjectTest, MissingAndUnreadableValuesReadAsMissing)
{
    ZnAppRegObject missing = Folders();
    missing.m_strValues[4] = "stale";
    EXPECT_EQ(0, missing.Read());
    EXPECT_EQ("||||", Values(missing));
    CString install = "unchanged";
    EXPECT_EQ(0, GetInstallPath(install));
    EXPECT_EQ("unchanged", install);

    std::string tooLong = std::string(254, 'x') + "表";
    StoreValues({{"ZnApp", tooLong.c_str()}, {"ZnOutput", tooLong.c_str()}});
    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, CString("SOFTWARE\\") + kAppPosSubKey));
    key.SetValue(DWORD(0x00363534), "ZnCom");
    ZnAppRegObject folders = Folders();
    ASSERT_EQ(1, folders.Read());
    EXPECT_EQ("||||C:\\", Values(folders));
}

// The user's rights (hex, none: all) and placement (colons, under "Startup") round the user hive.
TEST(ZnUserSettings, RulesOfTheValuesAndTheUserHive)
{
    TempRegistry registry;
    auto user = SystemStartup();
    EXPECT_EQ(0, user->Read());
    DWORD rights = 0;
    EXPECT_EQ(1, user->GetDwordValue("ShiyoushaKengen", rights));
    EXPECT_EQ(0xFFFFFFFFu, rights);
    CString text;
    EXPECT_EQ(1, user->SetValue("ShiyoushaKengen", ""));
    EXPECT_EQ(1, user->GetValue("ShiyoushaKengen", text));
    EXPECT_EQ("ffffffff", text);
    EXPECT_EQ(1, user->SetValue("ShiyoushaKengen", "0000a0ff"));
    EXPECT_EQ(1, user->GetDwordValue("ShiyoushaKengen", rights));
    EXPECT_EQ(0xa0ffu, rights);
    EXPECT_EQ(0, user->SetDwordValue("ShiyoushaName", 1));
    EXPECT_EQ(0, user->SetValue("shiyoushaname", "x"));
    for (const auto& [name, value] : {std::pair{"ShiyoushaCode", "0012"}, std::pair{"ShiyoushaName", "山田"},
                                      std::pair{"ShiyoushaFirstName", "太郎"}, std::pair{"ShiyoushaTanmatsu", "PC-01"}})
        user->SetValue(name, value);
    EXPECT_EQ(1, user->SetDwordValue("ShiyoushaKengen", 31));
    ASSERT_EQ(1, user->Write());

    auto startup = Startup();
    EXPECT_EQ(0, startup->Write()); // no placement yet: nothing written
    EXPECT_EQ(0, startup->SetValue("WindowPlacement", "1:2"));
    EXPECT_EQ(0, startup->SetValue("startup", "1:2"));
    text = "x";
    EXPECT_EQ(1, startup->GetValue("Startup", text));
    EXPECT_EQ("", text);
    EXPECT_EQ(1, startup->SetValue("Startup", "0:1:-1:-1:-1:-1:10:20:810:620"));
    const WINDOWPLACEMENT* placement = startup->GetPlacement();
    ASSERT_NE(nullptr, placement);
    EXPECT_EQ("44,0,1,-1,-1,-1,-1,10,20,810,620", Members(*placement));
    CStringList names;
    EXPECT_EQ(1, startup->GetValueNames(names));
    EXPECT_EQ("Startup", names.GetHead());
    ASSERT_EQ(1, startup->Write());
    EXPECT_EQ(Hex(ReadHexFixture("registry/UserHiveAfterStartup.hex")), Hex(ReadFileBytes(registry.UserHive())));

    auto read = SystemStartup();
    ASSERT_EQ(1, read->Read());
    read->GetValue("ShiyoushaName", text);
    EXPECT_EQ("山田", text);
    read->GetValue("ShiyoushaKengen", text);
    EXPECT_EQ("0000001f", text);
    auto again = Startup();
    ASSERT_EQ(1, again->Read());
    again->GetValue("Startup", text);
    EXPECT_EQ("0:1:-1:-1:-1:-1:10:20:810:620", text);

    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_CURRENT_USER, "software\\Norva\\Zadazez\\App\\6.00.0.0"));
    key.SetValue("", "Startup");
    EXPECT_EQ(1, again->Read());
    EXPECT_EQ(nullptr, again->GetPlacement());
    auto other = SystemStartup("NoSuchValue");
    other->SetDwordValue("NoSuchValue", 5);
    EXPECT_EQ(1, other->Read());
    other->GetDwordValue("NoSuchValue", rights);
    EXPECT_EQ(5u, rights);
}

// Stored folders get their backslash (表 ends in 5C, yet is none); Read keeps stored texts.
TEST(ZnRegistryDataLocation, FoldersGetTheirBackslash)
{
    TempRegistry registry;
    ZnRegistryDataLocation location("DataLocation", ZnRegistryDataLocation::kFolderNames);
    location.SetCompanyKey(kCompany);
    location.SetRootKey(HKEY_LOCAL_MACHINE);
    for (const auto& [name, folder, stored] :
         {std::tuple{"ComTblPath", "C:\\Data", "C:\\Data\\"}, std::tuple{"AppPath", "C:\\Data\\", "C:\\Data\\"},
          std::tuple{"OcrDataPath", "D:\\表", "D:\\表\\"}, std::tuple{"LocalPath", "", ""},
          std::tuple{"comtblpath", "x", "(none)"}}) {
        CString text = "(none)";
        location.SetValue(name, folder);
        location.GetValue(name, text);
        EXPECT_EQ(stored, text) << name;
    }
    ASSERT_EQ(1, location.Write());
    ZnRegKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Norva\\Zadazez\\DataLocation"));
    key.SetValue("E:\\No backslash", "DbMngPath");
    ASSERT_EQ(1, location.Read());
    CString text;
    location.GetValue("DbMngPath", text);
    EXPECT_EQ("E:\\No backslash", text);
    location.GetValue("OcrDataPath", text);
    EXPECT_EQ("D:\\表\\", text);
}

// The user's settings with a text typed without its quotes and a last line cut short: what can
// be read is written back, the two lines stay as they stood, and the run log names the file once.
TEST(SettingsFiles, LinesThatCannotBeReadAreKeptAndTheLogNamesTheFileOnce)
{
    TempWorkingFolder work;
    TempRegistry registry;
    WriteFileBytes(registry.UserHive(), ReadFileBytes(DataPath("registry/CutShort.reg")));
    const std::string expected = ReadFileBytes(DataPath("registry/CutShortWrittenBack.reg"));
    for (int start = 1; start <= 2; ++start) {
        ZnRegistrySystemStartup user("SystemStartup", "ShiyoushaCode", "ShiyoushaName", "ShiyoushaFirstName",
                                     "ShiyoushaTanmatsu", "ShiyoushaKengen");
        user.SetCompanyKey("Norva\\Zadazez");
        ASSERT_EQ(1, user.Read());
        user.SetValue("ShiyoushaName", "設計");
        ASSERT_EQ(1, user.Write());
        EXPECT_EQ(Hex(expected), Hex(ReadFileBytes(registry.UserHive())));
    }
    ExpectLogLines(ReadFileBytes(work.Work().Path("ravuRivo.log")),
                   {" [WARN ] ZnRegKey#Open() - 設定ファイル【" + registry.UserHive() +
                    "】に読めない行があります。その行は書き込みの後もそのまま残ります。"});
}
