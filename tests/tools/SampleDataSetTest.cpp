// The sample data set read back as the program reads it, against tools/sample_register.txt.
#include "tests/support/RecordsetRows.h"
#include "tests/support/TabbedCases.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppCompInspConf.h"
#include "model/ZnModelDocKinds.h"
#include "platform/files/CArchive.h"
#include "platform/files/CFile.h"
#include "platform/files/WinPath.h"
#include "platform/wnd/CComboBox.h"
#include "storage/ZnAppBukkenKanriTblDAO.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnAppChiikiShiteiQ2TblDAO.h"
#include "storage/ZnAppChimeiChibanTblDAO.h"
#include "storage/ZnAppComTblAccess.h"
#include "storage/ZnAppGaihekiTblDAO.h"
#include "storage/ZnAppKenchikunushiTblDAO.h"
#include "storage/ZnAppSekkeishaTblDAO.h"
#include "storage/ZnAppSekoushaTblDAO.h"
#include "storage/ZnAppSetsubishaTblDAO.h"
#include "storage/ZnAppShinseishaTblDAO.h"
#include "storage/ZnAppTanbunTblDAO.h"
#include "storage/ZnAppTodoufukenQTblDAO.h"
#include "storage/ZnAppTokuteiKouteiTblDAO.h"
#include "storage/ZnAppYaneTblDAO.h"
#include "tools/sampledata/SampleDataSet.h"

#include <map>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace testsupport;
using Texts = std::vector<std::string>;

namespace {

// A document file loaded into fresh objects of its kind's classes, as the document loader does.
struct LoadedDocument {
    std::unique_ptr<ZnModel> objects[3];
    ZnModel* slots[3] = {};
    std::string storedAgain; // the bytes that the loaded objects store
    bool readToEnd = false;
};

void LoadDocument(const CString& path, int code, LoadedDocument& document)
{
    const ZnModelDocKind* kind = ZnModelDocKinds::Find(code);
    ASSERT_NE(nullptr, kind) << code;
    document.objects[0].reset(new ZnModelApp);
    document.objects[1].reset(ZnModelDocKinds::CreateSlotObject(kind->formClass));
    document.objects[2].reset(ZnModelDocKinds::CreateSlotObject(kind->subFormClass));
    for (int slot = 0; slot < 3; ++slot)
        document.slots[slot] = document.objects[slot].get();
    CFile file(path, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    ZnModelDocKinds::SerializeSlots(ar, document.slots, 3);
    char extra;
    document.readToEnd = ar.Read(&extra, 1) == 0;
    ar.Close();
    document.storedAgain =
        testsupport::StoreToBytes([&](CArchive& out) { ZnModelDocKinds::SerializeSlots(out, document.slots, 3); });
}

class SampleDataSetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        sampledata::MakeSampleDataSet(m_folder.Path());
        m_shell.comFolder = WindowsFolder(sampledata::referenceFolderName);
        m_shell.appFolder = WindowsFolder(sampledata::codesFolderName);
    }

    std::string Folder(const char* name) const { return m_folder.Path(name); }
    CString WindowsFolder(const char* name) const { return LinuxPathToWin(Folder(name)).c_str(); }
    CString RegisterPath() const { return WindowsFolder(sampledata::registerFolderName) + "\\APP_BUKKEN.mdb"; }

    TempFolder m_folder;
    TestShellState m_shell;
    std::map<std::string, Texts> m_expected = ReadKeyedLines("tools/sample_register.txt");
};

} // namespace

// Six properties in ascending index and their documents, in their property's mode.
TEST_F(SampleDataSetTest, TheRegisterListsThePropertiesAndTheirDocuments)
{
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(RegisterPath());
    EXPECT_EQ(m_expected["property"], ReadRows(properties, [](ZnAppBukkenKanriTblDAO& row) {
                  return Line(row.m_BukkenIndex, row.m_Bukkenmei, row.m_Koushinbi, row.m_ChikiShiteiCode,
                              row.m_ShinseiKubun, row.m_Bikou);
              }));
    // The list as the migration dialog fills it: every row of the newest-first query goes to the
    // top, so the list ends up in ascending index.
    auto name = [](ZnAppBukkenKanriTblDAO& row) { return Field(row.m_Bukkenmei); };
    Texts listed;
    for (const std::string& row : ReadRows(properties, name, ZnAppBukkenKanriTblDAO::GetSortedSQL()))
        listed.insert(listed.begin(), row);
    EXPECT_EQ(ReadRows(properties, name), listed);
    properties.Open(dbOpenDynaset, nullptr, 0);
    EXPECT_EQ(WindowsFolder(sampledata::registerFolderName), properties.m_HozonDirectory);
    properties.Close();

    ZnAppBukkenShousaiTblDAO documents;
    documents.SetDBPath(RegisterPath());
    auto document = [](ZnAppBukkenShousaiTblDAO& row) {
        return Line(row.m_BukkenIndex, row.m_BukkenShousaiIndex, row.m_ShinseiShoruiName, row.m_ShinseiShubetuCode,
                    row.m_Koushinbi, row.m_FileName, row.m_UketukeBangou, row.m_ZadazezBangou, row.m_GoukakuBangou);
    };
    EXPECT_EQ(m_expected["document"],
              ReadRows(documents, document, "SELECT * FROM AppBukkenShousaiTbl ORDER BY BukkenIndex, BukkenShousaiIndex"));
}

// Every document lies where the loader looks, loads whole with its kind's classes, stores the same bytes.
TEST_F(SampleDataSetTest, EveryDocumentLoadsWithTheClassesOfItsKind)
{
    std::map<int, CString> names;
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(RegisterPath());
    ReadRows(properties, [&](ZnAppBukkenKanriTblDAO& row) { return Field(names[row.m_BukkenIndex] = row.m_Bukkenmei); });

    ZnAppBukkenShousaiTblDAO documents;
    documents.SetDBPath(RegisterPath());
    documents.Open(dbOpenDynaset, nullptr, 0);
    int count = 0;
    for (; !documents.IsEOF(); documents.MoveNext(), ++count) {
        CString path = WindowsFolder(sampledata::registerFolderName) + "\\" + names[documents.m_BukkenIndex] + "\\" +
                       documents.m_FileName;
        SCOPED_TRACE(Field(path));
        LoadedDocument document;
        LoadDocument(path, documents.m_ShinseiShubetuCode, document);
        EXPECT_TRUE(document.readToEnd);
        EXPECT_EQ(Hex(ReadFileBytes(WinPathToLinux(path))), Hex(document.storedAgain));

        const ZnModelApp& root = static_cast<const ZnModelApp&>(*document.slots[0]);
        const ZnModelAppLocalData& localData = root.m_header.m_localData;
        EXPECT_EQ(std::to_string(documents.m_ShinseiShubetuCode), localData.m_documentKind.m_code.Bytes());
        ASSERT_EQ(1, localData.m_buildingNumGroups.GetCount());
        EXPECT_TRUE(localData.m_buildingNumGroups.GetHead()->m_firstNumber.m_date.GetOleDate() ==
                    documents.m_Koushinbi);
        EXPECT_EQ(m_expected["owner"][documents.m_BukkenIndex - 1],
                  Line(documents.m_BukkenIndex, root.m_firstOwner.m_person.m_name.m_name));
    }
    documents.Close();
    EXPECT_EQ(16, count);
}

// The house: two floors of the building page; its completion inspection rests on its confirmation.
TEST_F(SampleDataSetTest, TheHouseDocumentsHoldItsBuildingAndItsCourse)
{
    CString house = WindowsFolder(sampledata::registerFolderName) + "\\" + "山田邸新築工事" + "\\";
    LoadedDocument confirmation;
    LoadDocument(house + "Ka001.110", 100001, confirmation);
    const ZnModelAppBuild& building = static_cast<const ZnModelAppBuild&>(*confirmation.slots[1]);
    ASSERT_EQ(1, building.m_buildPageList.GetCount());
    std::string floors;
    const ZnModelAppFloorOutlineList& outlines = building.m_buildPageList.GetHead()->m_floorOutlineList;
    for (int i = 0; i < outlines.GetCount(); ++i)
        floors += Line(outlines.GetAtIndex(i)->m_floorText) + ":" + std::to_string(outlines.GetAtIndex(i)->m_floorArea.m_appPart) + ";";
    EXPECT_EQ(u8"F1:72.500000;F2:65.250000;137.750000|山田邸|中村 誠",
              floors + std::to_string(building.m_sitePage.m_totalFloorArea.m_whole.m_appPart) + "|" +
                  Line(building.m_name.m_name, building.m_designer.m_architectName.m_name));

    LoadedDocument completion;
    LoadDocument(house + "Ka001.211", 100201, completion);
    const ZnModelAppCompInspConf& inspection = static_cast<const ZnModelAppCompInspConf&>(*completion.slots[2]);
    ASSERT_NE(nullptr, inspection.m_baseApp.Get());
    EXPECT_STREQ("ZnModelAppBuildConf", inspection.m_baseApp->GetRuntimeClass()->m_lpszClassName);
    EXPECT_EQ(u8"第H22確認建築00123号|第H22中間建築00456号",
              Line(inspection.m_confCert.m_number, inspection.m_pastInsp.m_certificate.m_number));
    EXPECT_DOUBLE_EQ(137.75, inspection.m_inspArea);
}

// The reference rows, with codes named by the sample code tables; the regions and prefectures.
TEST_F(SampleDataSetTest, TheReferenceDataUsesTheCodesOfTheSampleCodeTables)
{
    std::string counts;
    auto count = [&](auto&& set) { counts += (counts.empty() ? "" : " ") + std::to_string(ReadRows(set, [](auto&) { return std::string(); }).size()); };
    count(ZnAppKenchikunushiTblDAO()), count(ZnAppShinseishaTblDAO()), count(ZnAppSekkeishaTblDAO());
    count(ZnAppSekoushaTblDAO()), count(ZnAppSetsubishaTblDAO()), count(ZnAppChimeiChibanTblDAO());
    count(ZnAppTokuteiKouteiTblDAO()), count(ZnAppYaneTblDAO()), count(ZnAppGaihekiTblDAO()), count(ZnAppTanbunTblDAO());
    EXPECT_EQ(m_expected["counts"], Texts{counts});

    ZnAppComTblAccess codes;
    codes.Init();
    auto name = [&](int slot, const CString& code) { return ZnAppComTblAccess::GetNameByCode(codes.m_pRset[slot], code); };
    auto architect = [&](ZnAppSekkeishaTblDAO& row) {
        return Line(row.m_Shimei, name(ZnAppComTblAccess::slotKenchikushiShikaku, row.m_KenchikushiShikaku),
                    name(ZnAppComTblAccess::slotKenchikushiTourokuShubetsu, row.m_SekkeishaTourokuShubetsu),
                    name(ZnAppComTblAccess::slotJimushoShikaku, row.m_JimushoShikaku),
                    name(ZnAppComTblAccess::slotJimushoTourokuShubetsu, row.m_JimushoTourokuShubetsu));
    };
    auto constructor = [&](ZnAppSekoushaTblDAO& row) {
        return Line(row.m_Meishou, name(ZnAppComTblAccess::slotKensetsugyouKyoka, row.m_KensetsugyouKyokaShubetsu));
    };
    ZnAppSekkeishaTblDAO architects;
    EXPECT_EQ(m_expected["architect"], ReadRows(architects, architect, "SELECT * FROM AppSekkeishaTbl  ORDER BY Hyoujijun ASC"));
    ZnAppSekoushaTblDAO constructors;
    EXPECT_EQ(m_expected["constructor"], ReadRows(constructors, constructor, "SELECT * FROM AppSekoushaTbl  ORDER BY Hyoujijun ASC"));
    codes.Close();

    ZnAppChiikiShiteiQ2TblDAO regions;
    EXPECT_EQ(m_expected["region"], ReadRows(regions, [](ZnAppChiikiShiteiQ2TblDAO& row) {
                  return Line(row.m_ChiikiBangou, row.m_ChiikiMei, row.m_ShokiSentakuFlg);
              }));
    CComboBox combo;
    ZnAppTodoufukenQTblDAO().FillCombo(&combo);
    std::string prefectures;
    for (int i = 0; i < combo.GetCount(); ++i) {
        CString text;
        combo.GetLBText(i, text);
        prefectures += (i ? "|" : "") + Field(text) + "=" + std::to_string(combo.GetItemData(i));
    }
    EXPECT_EQ(m_expected["prefectures"], Texts{prefectures});
}

// A folder that holds a data set already is refused before anything in it changes.
TEST_F(SampleDataSetTest, AFolderWithADataSetIsRefusedAndKeptAsItIs)
{
    std::string registerFile = Folder(sampledata::registerFolderName) + "/APP_BUKKEN.mdb";
    std::string before = ReadFileBytes(registerFile);
    ASSERT_FALSE(before.empty());
    CString description;
    EXPECT_EQ(daoErrDatabaseExists,
              DaoErrorOf([&] { sampledata::MakeSampleDataSet(m_folder.Path()); }, &description));
    EXPECT_EQ("データベース '" + registerFile + "' は既に存在します。", description.Bytes());
    EXPECT_EQ(Hex(before), Hex(ReadFileBytes(registerFile)));
}

// So is a folder that holds only some database of the set, named by its Linux path; nothing is made.
TEST(SampleDataSetFolder, AFolderWithOneDatabaseOfTheSetIsRefusedByItsLinuxPath)
{
    TempFolder folder;
    std::string database = folder.Path("codes/COM_CHIIKI.mdb");
    ASSERT_EQ(0, mkdir(folder.Path("codes").c_str(), 0755));
    WriteFileBytes(database, "the user's own");
    CString description;
    EXPECT_EQ(daoErrDatabaseExists, DaoErrorOf([&] { sampledata::MakeSampleDataSet(folder.Path()); }, &description));
    EXPECT_EQ("データベース '" + database + "' は既に存在します。", description.Bytes());
    EXPECT_EQ("the user's own", ReadFileBytes(database));
    EXPECT_NE(0, access(folder.Path("bukken").c_str(), F_OK));
}
