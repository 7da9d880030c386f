// The input check of a building application: a complete application gives no finding; each group
// of rules, broken on a copy, gives exactly its findings in order; and what the check keeps for the
// construction-notice check.
#include "tests/fdoutput/InputCheckTestSupport.h"
#include "tests/support/TestSupport.h"

#include "fdoutput/ZnBuildInputCheck.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"

#include <algorithm>
#include <iterator>
#include <vector>

using checktest::Date;

namespace {

typedef std::vector<CString> Messages;

ZnModelAppEachZone Zone(LPCTSTR code, double area, double floorAreaRatio, double coverageRatio)
{
    ZnModelAppEachZone zone;
    zone.m_useZoneCode.SetCode(code);
    zone.m_area = area;
    zone.m_designatedFloorAreaRatio = floorAreaRatio;
    zone.m_coverageRatio = coverageRatio;
    return zone;
}

ZnModelAppUsage Usage(LPCTSTR code, LPCTSTR text)
{
    ZnModelAppUsage usage;
    usage.m_usageCode.SetCode(code);
    usage.m_text = text;
    return usage;
}

ZnModelAppUseFloorArea UseArea(LPCTSTR code, double area)
{
    ZnModelAppUseFloorArea useArea;
    useArea.m_usageCode.SetCode(code);
    useArea.m_floorArea = area;
    return useArea;
}

// A floor of 25 m² applied, whose first use area is given.
ZnModelAppFloorOutline Floor(LPCTSTR name, const ZnModelAppUseFloorArea& first)
{
    ZnModelAppFloorOutline floor;
    floor.m_floorText = name;
    floor.m_floorArea.SetAppPart(25.0);
    floor.m_useFloorAreaList.AddCopy(first);
    return floor;
}

ZnModelArea Area(double appPart, double otherPart = 0.0)
{
    ZnModelArea area;
    area.SetAppPart(appPart);
    area.SetOtherPart(otherPart);
    return area;
}

// A complete new building: number, floors above and below, height, eaves height and its floors.
ZnModelAppBuildPage Building(int number, int above, int below, double height, double eaves,
                             const ZnModelAppFloorOutlineList& floors)
{
    ZnModelAppBuildPage page;
    page.m_buildingNumber = number;
    page.m_usageList.AddCopy(Usage("08010", "一戸建ての住宅"));
    page.SetConstKind("01601");
    page.m_strKind.m_strKindCode.SetCode("02401");
    page.m_fireProofCode.SetCode("01503");
    page.m_floorsAboveGround = above;
    page.m_floorsBelowGround = below;
    page.m_maxHeight = height;
    page.m_maxEavesHeight = eaves;
    page.m_floorOutlineList = floors;
    return page;
}

// Building 3: F1, F2, B1 (75 m², the second use area of F2 left blank, which is not checked);
// building 7: F1, B1 (50 m²) and a floor without name or use areas, which counts for no kind.
ZnModelAppBuildPageList CompleteBuildings()
{
    ZnModelAppFloorOutlineList floors3;
    floors3.AddCopy(Floor("F1", UseArea("08010", 25.0)));
    floors3.AddCopy(Floor("F2", UseArea("08010", 25.0)));
    floors3.GetTail()->m_useFloorAreaList.AddCopy(UseArea("", 0.0));
    floors3.AddCopy(Floor("B1", UseArea("08010", 25.0)));
    ZnModelAppFloorOutlineList floors7;
    floors7.AddCopy(Floor("F1", UseArea("08010", 25.0)));
    floors7.AddCopy(Floor("B1", UseArea("08010", 25.0)));
    floors7.AddCopy(ZnModelAppFloorOutline());

    ZnModelAppBuildPageList pages;
    pages.AddCopy(Building(3, 2, 1, 8.5, 7.25, floors3));
    pages.AddCopy(Building(7, 1, 1, 6.0, 5.5, floors7));
    return pages;
}

// A new two-building house on a 200 m² site in one zone: coverage 50 % against 60 %, floor-area
// ratio 62.5 % against 200 %.
ZnModelAppSitePage CompleteSite()
{
    ZnModelAppSitePage site;
    site.m_lotAddress.m_address = "千代田区一番町1-1";
    site.m_urbanPlanKind = 1;
    site.m_urbanAreaCode.SetCode("00801");
    site.m_fireZone = 1;
    site.m_siteArea.m_zoneList.AddCopy(Zone("00401", 200.0, 200.0, 60.0));
    site.m_siteArea.m_buildableCoverageRatio = 60.0;
    site.m_siteArea.m_buildableFloorAreaRatio = 200.0;
    site.m_mainUsageCode.SetCode("08010");
    site.m_mainUsageText = "一戸建ての住宅";
    site.SetConstKind("01601");
    site.m_buildingArea = Area(100.0);
    site.m_totalFloorArea.m_whole = Area(125.0);
    site.m_appBuildingCount = 2;
    site.m_appMaxHeight = 8.5;
    site.m_appFloorsAbove = 2;
    site.m_appFloorsBelow = 1;
    site.m_constStartDate = Date(2010, 4, 1);
    site.m_constEndDate = Date(2011, 3, 31);
    ZnModelInspDate stage;
    stage.m_date = Date(2010, 10, 1);
    site.m_specStageList.AddCopy(stage);
    return site;
}

class BuildInputCheck : public ::testing::Test {
protected:
    BuildInputCheck()
    {
        m_build.m_designer.m_architectName.m_name = "設計太郎";
        m_build.m_designer.m_qualificationClass.SetCode("00101");
        m_build.m_designer.m_qualificationAuthority.SetCode("00201");
        m_build.m_designer.m_qualificationRegistrationNumber = "123456";
        m_build.m_sitePage = CompleteSite();
        m_build.m_buildPageList = CompleteBuildings();
        m_planChange.m_prevConfNum.m_date = Date(2010, 3, 1);
    }

    Messages Run(int docType = 1000)
    {
        ZnFDOutCheckInput input;
        input.app = &m_app;
        input.form = &m_build;
        input.subForm = docType == 1008 ? static_cast<const ZnModel*>(&m_planChange) : &m_conf;
        input.docType = docType;
        return ZnBuildInputCheck::Run(input, m_facts);
    }

    ZnModelAppSitePage& Site() { return m_build.m_sitePage; }
    ZnModelAppEachZoneList& Zones() { return m_build.m_sitePage.m_siteArea.m_zoneList; }
    ZnModelAppBuildPage& Page(int index) { return *m_build.m_buildPageList.GetAtIndex(index); }

    ZnModelApp m_app;
    ZnModelAppBuild m_build;
    ZnModelAppBuildConf m_conf;
    ZnModelAppBuildMod m_planChange;
    ZnBuildCheckFacts m_facts;
};

} // namespace

TEST_F(BuildInputCheck, CompleteApplicationGivesNoFindingAndKeepsItsFacts)
{
    EXPECT_EQ(Messages(), Run());
    EXPECT_EQ(Messages(), Run(1008));

    EXPECT_EQ(7.25, m_facts.largestEavesHeight);
    EXPECT_EQ(1, m_facts.constructionKinds[0]);
    EXPECT_EQ(0, m_facts.constructionKinds[1] + m_facts.constructionKinds[2] + m_facts.constructionKinds[3]);
    EXPECT_EQ(2, m_facts.appliedBuildings);
    EXPECT_EQ(std::vector<int>({3, 7}), m_facts.buildingNumbers);
    EXPECT_EQ(std::vector<int>({2, 1}), m_facts.floorsAbove);
    EXPECT_EQ(std::vector<int>({1, 1}), m_facts.floorsBelow);
}

TEST_F(BuildInputCheck, DesignerOfTheSecondFace)
{
    m_build.m_designer = ZnModelDesigner();
    EXPECT_EQ(Messages({
                  "第二面：設計者の氏名が未入力です。",
                  "第二面：設計者の建築士資格が未入力です。",
                  "第二面：設計者の建築士登録種別が未入力です。",
                  "第二面：設計者の建築士登録番号が未入力です。",
              }),
              Run());
}

TEST_F(BuildInputCheck, SiteZonesUsageAndKindsOutsideACityPlanningArea)
{
    // Zone 2 holds 300 of the 350 m² (area 1 plus area 2), zone 3 has no use zone: only zone 2
    // counts for the half-site rule; zone 4 has no area and is not checked. No building area keeps
    // the coverage ratio within its limit.
    Site().m_lotAddress.m_address = "";
    Site().m_urbanPlanKind = 0;
    Site().m_fireZone = 0;
    Zones().DeleteAll();
    Zones().AddCopy(Zone("", 0.0, 0.0, 0.0));
    Zones().AddCopy(Zone("00401", 100.0, 0.0, 0.0));
    Zones().GetTail()->m_areaText = "200";
    Zones().AddCopy(Zone("", 50.0, 0.0, 0.0));
    Zones().AddCopy(Zone("", 0.0, 0.0, 0.0));
    Site().m_mainUsageCode.SetCode("");
    Site().m_mainUsageText = "";
    std::fill(std::begin(Site().m_constKind), std::end(Site().m_constKind), 0);
    Site().m_buildingArea = Area(0.0);
    EXPECT_EQ(Messages({
                  "第三面：地名地番が未入力です。",
                  "第三面：2番目の敷地面積が敷地面積合計の半分以上です。",
                  "第三面：防火地域が選択されていません。",
                  "第三面：1番目の敷地面積(1)が未入力です。",
                  "第三面：1番目の敷地面積の用途地域等が未入力です。",
                  "第三面：1番目の敷地面積の指定容積率が未入力です。",
                  "第三面：1番目の敷地面積の指定建ぺい率が未入力です。",
                  "第三面：2番目の敷地面積の指定容積率が未入力です。",
                  "第三面：2番目の敷地面積の指定建ぺい率が未入力です。",
                  "第三面：3番目の敷地面積の用途地域等が未入力です。",
                  "第三面：3番目の敷地面積の指定容積率が未入力です。",
                  "第三面：3番目の敷地面積の指定建ぺい率が未入力です。",
                  "第三面：敷地面積合計(2)が敷地面積合計(1)以上です。",
                  "第三面：主要用途コードが未入力です。",
                  "第三面：主要用途名称が未入力です。",
                  "第三面：工事種別が選択されていません。",
                  "第三面：建築面積が未入力です。",
              }),
              Run());
    EXPECT_EQ(0, m_facts.constructionKinds[0]);
}

TEST_F(BuildInputCheck, UrbanAreaAndTheOtherPartsOfANewBuilding)
{
    Site().m_urbanAreaCode.SetCode("");
    Site().m_totalFloorArea.m_garage = Area(0.0, 1.0);
    EXPECT_EQ(Messages({
                  "第三面：市街化区域が未入力です。",
                  "第三面：新築のときは「申請以外の部分」はすべてゼロでなくてはなりません。",
              }),
              Run());

    // Without 新築 the other parts may hold area.
    Site().m_urbanAreaCode.SetCode("00801");
    Site().m_constKind[0] = 0;
    Site().SetConstKind("01602");
    EXPECT_EQ(Messages(), Run());
}

TEST_F(BuildInputCheck, RatiosAboveBothLimits)
{
    // Coverage 75 % over 60 %; floor-area ratio 62.5 % over 50 %.
    Site().m_buildingArea = Area(150.0);
    Site().m_siteArea.m_buildableFloorAreaRatio = 50.0;
    Zones().GetHead()->m_designatedFloorAreaRatio = 50.0;
    EXPECT_EQ(Messages({
                  "第三面：建築面積の建ぺい率が正しくありません。",
                  "第三面：容積率が正しくありません。",
              }),
              Run());

    // Within either limit is enough.
    Zones().GetHead()->m_coverageRatio = 75.0;
    Site().m_siteArea.m_buildableFloorAreaRatio = 62.5;
    EXPECT_EQ(Messages(), Run());
}

TEST_F(BuildInputCheck, FloorAreaBreakdownAboveTheWholeBuilding)
{
    ZnModelAppTotalFloorArea& floors = Site().m_totalFloorArea;
    floors.m_whole = Area(100.0);
    floors.m_basementHousing = Area(101.0);
    floors.m_commonCorridor = Area(101.0);
    floors.m_garage = Area(101.0);
    floors.m_housing = Area(101.0);
    EXPECT_EQ(Messages({
                  "第三面：延べ面積の地階住宅部分合計が建築物全体合計を超えています。",
                  "第三面：延べ面積の共同住宅廊下等合計が建築物全体合計を超えています。",
                  "第三面：延べ面積の自動車車庫部分合計が建築物全体合計を超えています。",
                  "第三面：延べ面積の住宅部分合計が建築物全体合計を超えています。",
                  "第三面：第四面床面積合計が建築物全体合計を超えています。",
              }),
              Run());
}

TEST_F(BuildInputCheck, CountsHeightsAndFloorsOfTheAppliedBuildings)
{
    Site().m_appBuildingCount = 0;
    Site().m_appMaxHeight = 0.0;
    Site().m_appFloorsAbove = 0;
    Site().m_appFloorsBelow = 0;
    Site().m_tenkuritu.m_first = 1;
    EXPECT_EQ(Messages({
                  "第三面：申請にかかわる建築物の数が未入力です。",
                  "第三面：申請にかかわる建築物の数が正しくありません。",
                  "第三面：申請にかかわる建築物の高さが未入力です。",
                  "第三面：申請にかかわる建築物の高さが正しくありません。",
                  "第三面：申請にかかわる階数が未入力です。",
                  "第三面：申請にかかわる地上階数が正しくありません。",
                  "第三面：申請にかかわる地下階数が正しくありません。",
                  "第三面：法第56条第7項の特例の区分が選択されていません。",
              }),
              Run());

    // Other values than the largest building's, and a special case with its kind.
    Site().m_appBuildingCount = 3;
    Site().m_appMaxHeight = 6.0;
    Site().m_appFloorsAbove = 1;
    Site().m_appFloorsBelow = 2;
    Site().m_tenkuritu.m_northLimitExempt = 1;
    EXPECT_EQ(Messages({
                  "第三面：申請にかかわる建築物の数が正しくありません。",
                  "第三面：申請にかかわる建築物の高さが正しくありません。",
                  "第三面：申請にかかわる地上階数が正しくありません。",
                  "第三面：申請にかかわる地下階数が正しくありません。",
              }),
              Run());
}

TEST_F(BuildInputCheck, DatesAndThePlanChangesConfirmationDate)
{
    Site().m_constStartDate = Date(2010, 0, 0);
    Site().m_constEndDate = Date(0, 3, 31);
    Site().m_specStageDate.m_date = Date(2010, 2, 30);
    ZnModelInspDate stage;
    stage.m_date = Date(2010, 13, 1);
    Site().m_specStageList.AddCopy(stage);
    m_planChange.m_prevConfNum.m_date = Date(2009, 2, 29);
    const Messages dates = {
        "第三面：工事着手予定年月日が未入力です。",
        "第三面：工事完了予定年月日が未入力です。",
        "第三面：工事着手予定年月日の日付が正しくありません。",
        "第三面：工事完了予定年月日の日付が正しくありません。",
        "第三面：特定工程工事終了予定年月日の日付が正しくありません。",
        "第三面：2番目の特定工程工事終了予定年月日追加欄の日付が正しくありません。",
    };
    EXPECT_EQ(dates, Run());
    Messages planChangeDates = dates;
    planChangeDates.push_back("第三面：計画変更の確認済証交付年月日の日付が正しくありません。");
    EXPECT_EQ(planChangeDates, Run(1008));

    // Any one part missing is not filled in, and not a date.
    for (const ZnModelDate& start : {Date(0, 4, 1), Date(2010, 0, 1), Date(2010, 4, 0)}) {
        Site() = CompleteSite();
        Site().m_constStartDate = start;
        EXPECT_EQ(Messages({
                      "第三面：工事着手予定年月日が未入力です。",
                      "第三面：工事着手予定年月日の日付が正しくありません。",
                  }),
                  Run());
    }
}

TEST_F(BuildInputCheck, FourthFaceOfBuildingsThreeAndSeven)
{
    // Building 3: no usage code, other parts on a new building. Building 7: a usage without code,
    // then one without text; nothing else filled in.
    Page(0).m_usageList.DeleteAll();
    Page(0).m_usageList.AddCopy(Usage("", ""));
    Page(0).m_floorOutlineList.GetHead()->m_floorArea.SetOtherPart(5.0);
    ZnModelAppBuildPage bare;
    bare.m_buildingNumber = 7;
    bare.m_usageList.AddCopy(Usage("", "店舗"));
    bare.m_usageList.AddCopy(Usage("08410", ""));
    Page(1) = bare;
    EXPECT_EQ(Messages({
                  "第四面：3番の建築物の用途コードが未入力です。",
                  "第四面：3番の建築物が新築のときは「申請以外の部分」はすべてゼロでなくてはなりません。",
                  "第四面：7番の建築物の1番目の用途コードが未入力です。",
                  "第四面：7番の建築物の2番目の用途名称が未入力です。",
                  "第四面：7番の建築物の工事種別が選択されていません。",
                  "第四面：7番の建築物の構造コードが未入力です。",
                  "第四面：7番の建築物の耐火建築物が未入力です。",
                  "第四面：7番の建築物の階数が未入力です。",
                  "第四面：7番の建築物の床面積合計が０です。",
              }),
              Run());
    EXPECT_EQ(std::vector<int>({3, 7}), m_facts.buildingNumbers);
    EXPECT_EQ(std::vector<int>({2, 0}), m_facts.floorsAbove);
    EXPECT_EQ(std::vector<int>({1, 0}), m_facts.floorsBelow);
}

TEST_F(BuildInputCheck, FifthFaceFloorsOfBuildingsThreeAndSeven)
{
    // Building 3: F1 without code or area, F2 without area, P1 and M1 not on the fourth face, no
    // B floor. Building 7: only B1.
    ZnModelAppFloorOutlineList floors3;
    floors3.AddCopy(Floor("F1", UseArea("", 0.0)));
    floors3.AddCopy(Floor("F2", UseArea("08010", 0.0)));
    floors3.AddCopy(Floor("P1", UseArea("08010", 5.0)));
    floors3.AddCopy(Floor("M1", UseArea("08010", 5.0)));
    Page(0).m_floorOutlineList = floors3;
    ZnModelAppFloorOutlineList floors7;
    floors7.AddCopy(Floor("B1", UseArea("08010", 25.0)));
    Page(1).m_floorOutlineList = floors7;
    EXPECT_EQ(Messages({
                  "第五面：3番の建築物の地下階数が第四面の地下階数分入力されていません。",
                  "第五面：3番の建築物のペントハウス階数が第四面のペントハウス階数分入力されていません。",
                  "第五面：3番の建築物の地下機械室階数が第四面の地下機械室階数分入力されていません。",
                  "第五面：3番の建築物F1の１番目の用途別床面積の用途コードが未入力です。",
                  "第五面：3番の建築物F1の１番目の用途別床面積が未入力です。",
                  "第五面：3番の建築物F2の１番目の用途別床面積が未入力です。",
                  "第五面：7番の建築物の地上階数が第四面の地上階数分入力されていません。",
              }),
              Run());

    // The fourth face's penthouse and storeroom counts, and a floor without use areas.
    Page(0).m_penthouseFloors = 1;
    Page(0).m_basementStoreFloors = 1;
    Page(0).m_floorsBelowGround = 0;
    Page(0).m_floorOutlineList.GetHead()->m_useFloorAreaList.DeleteAll();
    Page(0).m_floorOutlineList.GetAtIndex(1)->m_useFloorAreaList.GetHead()->m_floorArea = 25.0;
    Page(1).m_floorsAboveGround = 0;
    EXPECT_EQ(Messages(), Run());
}

TEST_F(BuildInputCheck, SiteWithoutZonesComparesRatiosWithTheSiteLimitsOnly)
{
    // Both totals 0 gives 16; no zone is looked at.
    Zones().DeleteAll();
    Site().m_siteArea.m_buildableCoverageRatio = 0.0;
    Site().m_siteArea.m_buildableFloorAreaRatio = 0.0;
    EXPECT_EQ(Messages({"第三面：敷地面積合計(2)が敷地面積合計(1)以上です。"}), Run());

    Site().m_siteArea.m_buildableCoverageRatio = -1.0;
    Site().m_siteArea.m_buildableFloorAreaRatio = -1.0;
    EXPECT_EQ(Messages({
                  "第三面：敷地面積合計(2)が敷地面積合計(1)以上です。",
                  "第三面：建築面積の建ぺい率が正しくありません。",
                  "第三面：容積率が正しくありません。",
              }),
              Run());
}

TEST_F(BuildInputCheck, HalfSiteRuleLeavesOutZones00900)
{
    Site().m_urbanPlanKind = 0;
    Zones().DeleteAll();
    Zones().AddCopy(Zone("00900", 150.0, 200.0, 60.0));
    Zones().AddCopy(Zone("00401", 50.0, 200.0, 60.0));
    EXPECT_EQ(Messages(), Run());

    Zones().GetHead()->m_useZoneCode.SetCode("00401");
    EXPECT_EQ(Messages({"第三面：1番目の敷地面積が敷地面積合計の半分以上です。"}), Run());

    // The first zone's missing use zone is told once, as the first zone's.
    Site().m_urbanPlanKind = 1;
    Zones().GetHead()->m_useZoneCode.SetCode("");
    EXPECT_EQ(Messages({"第三面：1番目の敷地面積の用途地域等が未入力です。"}), Run());
}

TEST_F(BuildInputCheck, EdgeCasesOfUsagesDatesAndHeights)
{
    // A second building without a usage code, though the first has one.
    Page(1).m_usageList.DeleteAll();
    // Wholly empty dates are valid but not filled in.
    Site().m_constStartDate = ZnModelDate();
    Site().m_constEndDate = ZnModelDate();
    m_planChange.m_prevConfNum.m_date = ZnModelDate();
    // Heights closer than 0.001 are equal.
    Site().m_appMaxHeight = 12.3404;
    Page(0).m_maxHeight = 12.3399;
    EXPECT_EQ(Messages({
                  "第三面：工事着手予定年月日が未入力です。",
                  "第三面：工事完了予定年月日が未入力です。",
                  "第四面：7番の建築物の用途コードが未入力です。",
              }),
              Run(1008));
}

TEST_F(BuildInputCheck, SecondRunStartsFromNothing)
{
    m_build.m_designer.m_qualificationRegistrationNumber = "";
    const Messages once = {"第二面：設計者の建築士登録番号が未入力です。"};
    EXPECT_EQ(once, Run());
    EXPECT_EQ(once, Run());
    EXPECT_EQ(std::vector<int>({3, 7}), m_facts.buildingNumbers);

    m_build.m_buildPageList.DeleteAll();
    Site().m_appBuildingCount = 0;
    Site().m_constKind[0] = 0;
    Site().SetConstKind("01604");
    Run();
    EXPECT_EQ(0.0, m_facts.largestEavesHeight);
    EXPECT_EQ(0, m_facts.constructionKinds[0]);
    EXPECT_EQ(1, m_facts.constructionKinds[3]);
    EXPECT_EQ(0, m_facts.appliedBuildings);
    EXPECT_TRUE(m_facts.buildingNumbers.empty());
    EXPECT_TRUE(m_facts.floorsAbove.empty());
    EXPECT_TRUE(m_facts.floorsBelow.empty());
}

TEST(BuildInputCheckSlots, SlotsWithoutTheirClassesAreCheckedAsAnEmptyApplication)
{
    ZnModelApp app;
    ZnFDOutCheckInput input;
    input.app = &app;
    input.form = &app;
    input.subForm = nullptr;
    input.docType = 1008;
    ZnBuildCheckFacts facts;
    facts.buildingNumbers = {1};
    EXPECT_EQ(Messages({
                  "第二面：設計者の氏名が未入力です。",
                  "第二面：設計者の建築士資格が未入力です。",
                  "第二面：設計者の建築士登録種別が未入力です。",
                  "第二面：設計者の建築士登録番号が未入力です。",
                  "第三面：地名地番が未入力です。",
                  "第三面：市街化区域が未入力です。",
                  "第三面：防火地域が選択されていません。",
                  "第三面：敷地面積合計(2)が敷地面積合計(1)以上です。",
                  "第三面：主要用途コードが未入力です。",
                  "第三面：主要用途名称が未入力です。",
                  "第三面：工事種別が選択されていません。",
                  "第三面：建築面積が未入力です。",
                  "第三面：申請にかかわる建築物の数が未入力です。",
                  "第三面：申請にかかわる建築物の高さが未入力です。",
                  "第三面：申請にかかわる階数が未入力です。",
                  "第三面：工事着手予定年月日が未入力です。",
                  "第三面：工事完了予定年月日が未入力です。",
              }),
              ZnBuildInputCheck::Run(input, facts));
    EXPECT_TRUE(facts.buildingNumbers.empty());
}
