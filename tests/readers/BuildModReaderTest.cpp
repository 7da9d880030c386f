// The building plan change read from the hand-made floppy: page 410, and where its reading of
// the building confirmation's pages differs.
#include "tests/readers/BuildingFormSupport.h"

#include "readers/ZnOldBukkenFolderLoader.h"
#include "readers/ZnOldBukkenReaderList.h"
#include "readers/ZnOldFormReaderBuildMod.h"

using namespace buildingtest;
using Strings = std::vector<std::string>;

namespace {

const char planChangeIndex[] =
    "\"#000\",\"変更\",\"20240105\",\"6.40\",\"7\",\"\",\"100301\",\"2\",\"0\",\"0\",\"0\",\"0\"\r\n"
    "\"#001\",\"\",\"\",\"220903\",\"R-101\",\"\"\r\n"
    "\"#002\",\"\",\"\",\"220904\",\"R-102\",\"\"\r\n";

// The plan change that the loader's reader reads from the floppy with a plan change's index.
std::unique_ptr<ZnModelAppBuildMod> ReadPlanChange(const FloppyCopy& floppy)
{
    floppy.WriteIndex(planChangeIndex);
    ZnOldBukkenFolderLoader loader;
    loader.SetBasePath(floppy.Base());
    ZnOldBukkenReaderList list;
    EXPECT_EQ(1, loader.Load(&list));
    if (list.GetCount() != 1)
        return nullptr;
    std::unique_ptr<ZnOldFormReader> reader(static_cast<ZnOldFormReader*>(list.GetHead()));
    EXPECT_TRUE(reader->IsKindOf(RUNTIME_CLASS(ZnOldFormReaderBuildMod)));
    EXPECT_EQ(CString("#410"), reader->m_formId);
    EXPECT_EQ(CString("ZnModelAppBuildMod"), reader->m_targetClassName);
    ZnModelApp* app = reader->Read();
    EXPECT_TRUE(app && app->IsKindOf(RUNTIME_CLASS(ZnModelAppBuildMod)));
    return std::unique_ptr<ZnModelAppBuildMod>(static_cast<ZnModelAppBuildMod*>(app));
}

} // namespace

TEST(ZnOldFormReaderBuildMod, ReadsThePreviousConfirmationAndTheSummary)
{
    FloppyCopy floppy;
    std::unique_ptr<ZnModelAppBuildMod> app = ReadPlanChange(floppy);
    ASSERT_TRUE(app);
    EXPECT_EQ(
        "第H22確認00123号|02220801|建築主事ソ",
        Join(Text(app->m_prevConfNum.m_number), Of(app->m_prevConfNum.m_date), Text(app->m_prevConfNum.m_furtherText)));
    EXPECT_EQ(CString("階数の変更ポ"), app->m_planChangeSummary);
    // The rest of the pages as the confirmation reads them.
    EXPECT_EQ("表山太郎|ケンチクヌシ|100|0001|東京都千代田区ソ町1|03|1111|2222", Of(app->m_firstOwner));
    EXPECT_EQ(3, app->m_furtherOwners.GetCount());
    EXPECT_EQ(CString("千代田区表町1-2"), app->m_sitePage.m_lotAddress.m_address);
    EXPECT_EQ(CString("100301"), app->m_header.m_localData.m_documentKind.m_code);
    EXPECT_EQ("02220903", Of(app->m_applicationDate));
}

TEST(ZnOldFormReaderBuildMod, GivesFurtherPersonsToTheBuildingPages)
{
    FloppyCopy floppy;
    std::unique_ptr<ZnModelAppBuildMod> app = ReadPlanChange(floppy);
    ASSERT_TRUE(app);
    EXPECT_TRUE(app->m_designerList.IsEmpty());
    EXPECT_TRUE(app->m_equipDesignerList.IsEmpty());
    EXPECT_TRUE(app->m_supervisorList.IsEmpty());
    ASSERT_EQ(2, app->m_buildPageList.GetCount());
    // Building 1 names key "1", the second key: the second records, those without a name too.
    const ZnModelAppBuildPage& first = *app->m_buildPageList.GetHead();
    EXPECT_EQ("1|13|設計102|||1|13|事務所102|名無し事務所||153|0002|目黒区2|03|1000|0002", Of(first.m_designer));
    EXPECT_EQ("|||名無し勤務先||154|0002|世田谷区2|03|2000|0002", Of(first.m_equipDesigner));
    EXPECT_EQ("2|13|監理102|||2|13|事務所202|名無し監理||155|0002|品川区2|03|3000|0002", Of(first.m_supervisor));
    EXPECT_EQ("施工二||14|許002|営業所二||222|2222|住所二|03|2|2", Of(first.m_constructor));
    const ZnModelAppBuildPage& second = *app->m_buildPageList.GetTail();
    EXPECT_EQ("1|13|設計101|二番設計||1|13|事務所101|二番事務所||153|0001|目黒区1|03|1000|0001", Of(second.m_designer));
    EXPECT_EQ("二番意見者|||二番勤務先||154|0001|世田谷区1|03|2000|0001", Of(second.m_equipDesigner));
    EXPECT_EQ("2|13|監理101|二番監理||2|13|事務所201|監理二事務所||155|0001|品川区1|03|3000|0001",
              Of(second.m_supervisor));
    EXPECT_EQ("施工一||13|許001|営業所一||111|1111|住所一|03|1|1", Of(second.m_constructor));
}

TEST(ZnOldFormReaderBuildMod, KeepsTheInspectionDatesButNoAccompanyingGroups)
{
    FloppyCopy floppy;
    std::unique_ptr<ZnModelAppBuildMod> app = ReadPlanChange(floppy);
    ASSERT_TRUE(app);
    EXPECT_EQ(Strings({"1|02221101|中間一", "2|02221201|中間二"}), Of(app->m_sitePage.m_specStageList));
    const ZnModelAppLocalData& local = app->m_header.m_localData;
    EXPECT_EQ(Strings({"1|R-101", "2|R-102"}), Of(local.m_buildingNumGroups));
    EXPECT_EQ(0, local.m_firstLocalNumber);
    for (const ZnModelNumGroupList* groups : {&local.m_liftNumGroups, &local.m_equipmentNumGroups,
                                              &local.m_secondLiftNumGroups, &local.m_structureNumGroups})
        EXPECT_TRUE(groups->IsEmpty());
}

TEST(ZnOldFormReaderBuildMod, ReadsPage410AsItsTableSays)
{
    const struct {
        const char* page410;
        const char* expected; // number, date, issuer, summary
    } cases[] = {
        {"/* 計画変更 */\r\n#41000,\"6.40\"", "|||"},
        {"#41010,\"第1号\",\"02220801\",\"主事\"", "|||"},
        {"#41010,\"第1号\",\"02220801\",\"主事\",\"概要\"\r\n#41010,\"第2号\",\"02230102\",\"機関\",\"後\"",
         "第2号|02230102|機関|後"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page410);
        FloppyCopy floppy;
        floppy.Write("Ksq001.410", c.page410);
        std::unique_ptr<ZnModelAppBuildMod> app = ReadPlanChange(floppy);
        ASSERT_TRUE(app);
        EXPECT_EQ(c.expected, Join(Text(app->m_prevConfNum.m_number), Of(app->m_prevConfNum.m_date),
                                   Text(app->m_prevConfNum.m_furtherText), Text(app->m_planChangeSummary)));
        EXPECT_EQ(2, app->m_buildPageList.GetCount());
    }
}

TEST(ZnOldFormReaderBuildMod, DocumentStoresAndLoadsBackWhole)
{
    FloppyCopy floppy;
    std::unique_ptr<ZnModelAppBuildMod> app = ReadPlanChange(floppy);
    ASSERT_TRUE(app);
    ZnModelAppBuildMod loaded;
    ExpectLoadsBackWhole(*app, loaded);
    EXPECT_EQ(CString("階数の変更ポ"), loaded.m_planChangeSummary);
}
