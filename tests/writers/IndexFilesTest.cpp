// The floppy index files Sinsei\filename and Info\filename.iba of each kind of document, against
// the expected bytes of tests/data/writers/index_files/ (the two files one after the other, the
// head record's date written YYYYMMDD), and the failures of their writing.
#include "tests/writers/FloppyTestSupport.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppInspConf.h"
#include "model/ZnModelAppLift.h"
#include "model/ZnModelAppSemiStrConf.h"
#include "model/ZnModelAppStructConf.h"
#include "writers/ZnAppDocFDOut00.h"

#include <ctime>
#include <filesystem>
#include <functional>

using namespace floppytest;
using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

// Appends a number group, numbered by its place, whose first number has a text and an era date
// ("02220903": 平成22年9月3日).
void AddGroup(ZnModelNumGroupList& groups, LPCTSTR number, LPCTSTR eraDate = "")
{
    ZnModelNumGroup* group = new ZnModelNumGroup;
    group->m_itemNumber = groups.GetCount() + 1;
    group->m_firstNumber.SetNumber(number);
    group->m_firstNumber.m_date.SetDateString(eraDate);
    groups.AddTail(group);
}

ZnModelAppBuildPage* NewPage(bool withFloorOutline)
{
    ZnModelAppBuildPage* page = new ZnModelAppBuildPage;
    if (withFloorOutline)
        page->m_floorOutlineList.AddTail(new ZnModelAppFloorOutline);
    return page;
}

std::string Today()
{
    std::time_t now = std::time(nullptr);
    char text[16] = "";
    std::strftime(text, sizeof text, "%Y%m%d", std::localtime(&now));
    return text;
}

class IndexFilesTest : public FloppyTest {
protected:
    // The active document's slots, and the selections.
    ZnModelApp& App() { return shell_.Get<ZnModelApp>(ZnShellState::appModelSlot); }
    template <typename Model> Model& Form() { return shell_.Get<Model>(ZnShellState::formModelSlot); }
    template <typename Model> Model& SubForm() { return shell_.Get<Model>(ZnShellState::subFormModelSlot); }
    ZnModelAppLocalData& Data() { return App().m_header.m_localData; }
    void Select(const char* form, const char* subForm, int docType, int objKind, int docKindCode)
    {
        shell_.Put(ZnShellState::appModelSlot, "ZnModelApp");
        shell_.Put(ZnShellState::formModelSlot, form);
        shell_.Put(ZnShellState::subFormModelSlot, subForm);
        shell_.docType = docType;
        shell_.objKind = objKind;
        shell_.docKindCode = docKindCode;
        CString code;
        code.Format("%d", docKindCode);
        Data().m_documentKind.SetCode(code);
        App().m_header.m_headerNumber = 7;
    }

    // The building confirmation of the cases: one page, the application number 第12345号 of
    // 平成22年9月3日, one lift group whose number holds a comma and double quotes, one structure group.
    void BuildingConfirmation()
    {
        Select("ZnModelAppBuild", "ZnModelAppBuildConf", 1000, 1009, 100001);
        AddGroup(Data().m_buildingNumGroups, "第12345号", "02220903");
        AddGroup(Data().m_liftNumGroups, "昇,\"1\"号", "02220910");
        AddGroup(Data().m_structureNumGroups, "工第2号", "02220911");
        Form<ZnModelAppBuild>().m_buildPageList.AddTail(NewPage(false));
    }
    // The property's stored construction notification (Ka001.240), its application root with a
    // number of its own.
    void StoreNotification()
    {
        ZnModelApp root;
        AddGroup(root.m_header.m_localData.m_buildingNumGroups, "届第7号", "02220801");
        ZnModelAppConstNotif notification;
        WriteFileBytes(PropertyPath("Ka001.240"), testsupport::StoreToBytes([&](CArchive& ar) {
                           root.Serialize(ar);
                           notification.Serialize(ar);
                       }));
    }
    // An inspection whose application rests on a stored application of a class.
    void Inspection(const char* inspectionClass, int docType, int objKind, int docKindCode, ZnModelApp* baseApp)
    {
        Select("ZnModelAppInspConf", inspectionClass, docType, objKind, docKindCode);
        SubForm<ZnModelAppInspConf>().m_baseApp.Reset(baseApp);
    }

    struct Case {
        const char* name;     // the file of index_files/ that it gives
        const char* expected; // another case's file, or null
        LPCTSTR base;
        int submissionIndex;
        int groupIndex;
        std::function<void()> setUp;
        int groupsAppended = 0; // the building number groups in the document afterwards, when added
        CString message{};      // the one message expected, with the exclamation icon
    };
    std::vector<Case> Cases();
};

std::vector<IndexFilesTest::Case> IndexFilesTest::Cases()
{
    return {
        {"building_confirmation", nullptr, "110", 0, -1,
         [this] {
             BuildingConfirmation();
             StoreNotification();
         }},
        {"building_floor_outline", nullptr, "110", 0, -1,
         [this] {
             BuildingConfirmation();
             StoreNotification();
             Form<ZnModelAppBuild>().m_buildPageList.AddTail(NewPage(true));
         }},
        {"building_without_notification", nullptr, "110", 0, -1, [this] { BuildingConfirmation(); }},
        {"building_unreadable_notification", "building_without_notification", "110", 0, -1,
         [this] {
             BuildingConfirmation();
             WriteFileBytes(PropertyPath("Ka001.240"), "not an archive");
         },
         0, "予期しないファイル形式です。"},
        {"building_notification_a_folder", "building_without_notification", "110", 0, -1,
         [this] {
             BuildingConfirmation();
             mkdir(PropertyPath("Ka001.240").c_str(), 0777);
         },
         0, "ファイル " + shell_.objFolder + "\\表参道\\Ka001.240 を読み込めません。"},
        {"building_plan_change", nullptr, "110", 1, -1,
         [this] {
             StoreNotification();
             Select("ZnModelAppBuild", "ZnModelAppBuildMod", 1008, 1023, 100301);
             AddGroup(Data().m_buildingNumGroups, "第12345号", "02220903");
             AddGroup(Data().m_liftNumGroups, "昇,\"1\"号", "02220910");
             Form<ZnModelAppBuild>().m_buildPageList.AddTail(NewPage(false));
         }},
        {"lift_confirmation", nullptr, "160", 0, -1,
         [this] {
             Select("ZnModelAppLift", "ZnModelAppLiftConf", 1000, 1012, 100002);
             Form<ZnModelAppLift>().m_liftList.AddTail(new ZnModelLift);
             Form<ZnModelAppLift>().m_liftList.AddTail(new ZnModelLift);
         },
         3},
        {"lift_plan_change", nullptr, "160", 0, -1,
         [this] {
             Select("ZnModelAppLift", "ZnModelAppLiftMod", 1008, 1012, 100302);
             AddGroup(Data().m_buildingNumGroups, "昇第1号", "02220903");
             AddGroup(Data().m_buildingNumGroups, "昇第2号", "01640107");
         }},
        {"lift_second_group", nullptr, "160", 0, 2,
         [this] {
             Select("ZnModelAppLift", "ZnModelAppLiftConf", 1000, 1012, 100002);
             for (LPCTSTR number : {"昇第1号", "昇第2号", "昇第3号"})
                 AddGroup(Data().m_buildingNumGroups, number, "02220903");
         }},
        {"interim_building", nullptr, "280", 0, -1,
         [this] {
             ZnModelAppBuildConf* building = new ZnModelAppBuildConf;
             AddGroup(building->m_header.m_localData.m_buildingNumGroups, "第12345号", "02220903");
             building->m_buildPageList.AddTail(NewPage(false));
             Inspection("ZnModelAppRegInspConf", 1002, 1023, 100101, building);
             AddGroup(Data().m_buildingNumGroups, "中第1号", "02230110");
             AddGroup(Data().m_buildingNumGroups, "中第2号", "02230111");
         }},
        {"interim_building_on_a_structure", nullptr, "280", 0, -1,
         [this] {
             ZnModelAppStructConf* structure = new ZnModelAppStructConf;
             AddGroup(structure->m_header.m_localData.m_buildingNumGroups, "工第9号", "02220903");
             Inspection("ZnModelAppRegInspConf", 1002, 1023, 100101, structure);
             AddGroup(Data().m_buildingNumGroups, "中第1号", "02230110");
         }},
        {"completion_building", nullptr, "210", 0, -1,
         [this] {
             ZnModelAppBuildConf* building = new ZnModelAppBuildConf;
             AddGroup(building->m_header.m_localData.m_buildingNumGroups, "第12345号", "02220903");
             building->m_buildPageList.AddTail(NewPage(true));
             Inspection("ZnModelAppCompInspConf", 1005, 1023, 100201, building);
             AddGroup(Data().m_buildingNumGroups, "完第1号", "02230301");
             AddGroup(Data().m_buildingNumGroups, "完第2号", "02230302");
         }},
        {"completion_semi_structure", nullptr, "210", 0, -1,
         [this] {
             ZnModelAppSemiStrConf* structure = new ZnModelAppSemiStrConf;
             AddGroup(structure->m_header.m_localData.m_buildingNumGroups, "工第5号", "02220903");
             AddGroup(structure->m_header.m_localData.m_buildingNumGroups, "工第6号", "02220904");
             Inspection("ZnModelAppCompInspConf", 1005, 1018, 100206, structure);
             Form<ZnModelAppInspConf>().m_confCertList.AddTail(new ZnModelNum);
             AddGroup(Data().m_buildingNumGroups, "完第1号", "02230301");
             AddGroup(Data().m_buildingNumGroups, "完第2号", "02230302");
         }},
        {"structure_confirmation", nullptr, "180", 0, -1,
         [this] {
             Select("ZnModelAppStruct", "ZnModelAppStructConf", 1000, 1016, 100004);
             Form<ZnModelAppStruct>().m_structList.AddTail(new ZnModelStruct);
             Form<ZnModelAppStruct>().m_structList.AddTail(new ZnModelStruct);
             Form<ZnModelAppStruct>().m_constructorList.AddTail(new ZnModelConstructor);
         },
         3},
    };
}

} // namespace

// Each document's two files byte for byte; the document is left as it was but for the number
// groups that its items need, numbered by their places.
TEST_F(IndexFilesTest, EachDocumentGivesItsIndexFilesByteForByte)
{
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        std::string root = RootPath(c.name);
        for (const char* folder : {"", "/Sinsei", "/Info"})
            ASSERT_EQ(0, mkdir((root + folder).c_str(), 0777));
        std::filesystem::remove_all(PropertyPath("Ka001.240"));
        c.setUp();
        if (!c.message.IsEmpty())
            ui_.AnswerMessageBox(IDOK);
        shell_.dataChanged = 1;
        ZnModel* slots[] = {shell_.GetModel(0), shell_.GetModel(1), shell_.GetModel(2)};
        std::vector<std::string> stored = StoredSlots();

        std::string before = Today();
        EXPECT_EQ(1, ZnAppDocFDOut00().WriteIndexFiles(WinPath(root), c.submissionIndex, c.base, c.groupIndex));
        std::string after = Today();
        std::string written = ReadFileBytes(root + "/Sinsei/filename") + ReadFileBytes(root + "/Info/filename.iba");
        std::string expected = testsupport::ReadHexFixture(std::string("writers/index_files/") +
                                                           (c.expected ? c.expected : c.name) + ".hex");
        size_t date = expected.find("YYYYMMDD");
        ASSERT_NE(std::string::npos, date);
        // Today when the call began, or when it ended if the day changed meanwhile.
        std::string expectedAfter = expected;
        expected.replace(date, 8, before);
        expectedAfter.replace(date, 8, after);
        EXPECT_EQ(Hex(written == expectedAfter ? expectedAfter : expected), Hex(written));

        Messages_t messages;
        if (!c.message.IsEmpty())
            messages.emplace_back(c.message, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(messages, TakeMessages());
        EXPECT_EQ(1, shell_.dataChanged);
        for (int slot = 0; slot < 3; ++slot)
            EXPECT_EQ(slots[slot], shell_.GetModel(slot));
        std::vector<std::string> storedAfter = StoredSlots();
        EXPECT_EQ(stored[1], storedAfter[1]);
        EXPECT_EQ(stored[2], storedAfter[2]);
        if (!c.groupsAppended) {
            EXPECT_EQ(stored[0], storedAfter[0]);
            continue;
        }
        const ZnModelNumGroupList& groups = Data().m_buildingNumGroups;
        ASSERT_EQ(c.groupsAppended, groups.GetCount());
        for (int i = 0; i < groups.GetCount(); ++i)
            EXPECT_EQ(i + 1, groups.GetAtIndex(i)->m_itemNumber);
    }
}

// A folder where a file must go, or a medium that fills up: one stop message, 0, and no cut-off
// file; Sinsei\filename stands complete when the .iba fails.
TEST_F(IndexFilesTest, FilesThatCannotBeOpenedOrWrittenAreToldAndLeftOut)
{
    BuildingConfirmation();
    const std::string forms = "#110\r\n#120\r\n#130\r\n#240\r\n";
    struct {
        const char* blocked; // a folder where a file must go
        rlim_t sizeLimit;    // the largest file the medium takes
        const char* message;
        bool formListKept; // whether Sinsei\filename stands afterwards
    } cases[] = {
        {"Sinsei/filename", RLIM_INFINITY, "出力ファイル(filename)のオープンに失敗しました。", false},
        {"Info/filename.iba", RLIM_INFINITY, "出力ファイル(filename.iba)のオープンに失敗しました。", true},
        {nullptr, 10, "ファイルの書き込み(filename)に失敗しました。", false},
        {nullptr, 100, "ファイルの書き込み(filename.iba)に失敗しました。", true},
    };
    int caseNumber = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        std::string root = RootPath(std::to_string(++caseNumber));
        for (const char* folder : {"", "/Sinsei", "/Info"})
            ASSERT_EQ(0, mkdir((root + folder).c_str(), 0777));
        if (c.blocked) {
            ASSERT_EQ(0, mkdir((root + "/" + c.blocked).c_str(), 0777));
        }
        ui_.AnswerMessageBox(IDOK);
        {
            ziptest::FileSizeLimit limit(c.sizeLimit);
            EXPECT_EQ(0, ZnAppDocFDOut00().WriteIndexFiles(WinPath(root), 0, "110", -1));
        }
        EXPECT_EQ((Messages_t{{c.message, MB_OK | MB_ICONSTOP}}), TakeMessages());
        std::map<std::string, std::string> files = ziptest::Snapshot(root);
        if (c.blocked)
            files.erase(c.blocked);
        std::map<std::string, std::string> expected = {{"Sinsei", "<folder>"}, {"Info", "<folder>"}};
        if (c.formListKept)
            expected["Sinsei/filename"] = forms;
        EXPECT_EQ(expected, files);
    }
}
