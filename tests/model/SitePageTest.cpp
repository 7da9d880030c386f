#include "model/ZnModelAppSitePage.h"
#include "tests/model/ModelTestSupport.h"

#include <cmath>
#include <limits>

using modeltest::Fixture;
using modeltest::Joined;
using modeltest::Load;
using modeltest::Store;
using testsupport::Hex;

namespace {

ZnModelAppEachZone MakeZone(LPCTSTR code, double area, int area2Omitted, LPCTSTR areaText)
{
    ZnModelAppEachZone zone;
    zone.m_useZoneCode.SetCode(code);
    zone.SetArea(area);
    zone.SetArea2Omitted(area2Omitted);
    zone.SetAreaText(areaText);
    return zone;
}

ZnModelArea MakeArea(double appPart, double otherPart)
{
    ZnModelArea area;
    area.SetAppPart(appPart);
    area.SetOtherPart(otherPart);
    return area;
}

// The site page of site_page.hex.
ZnModelAppSitePage MakeSampleSitePage()
{
    ZnModelAppSitePage page;
    page.m_lotAddress.m_address = "L1";
    page.SetUrbanPlanKind("00702");
    page.m_urbanAreaCode.SetCode("3");
    page.SetFireZone("00601");
    page.SetFireZone("00603");
    page.SetOtherZoneText("Z");
    page.SetOtherZoneFlag1(1);
    page.SetOtherZoneFlag2(1);
    page.SetRoadWidth(6.5);
    page.SetRoadFrontage(12.25);

    ZnModelAppSiteArea siteArea;
    ZnModelAppEachZone first = MakeZone("11", 100.0, 0, "80");
    first.SetDesignatedFloorAreaRatio(200.0);
    first.SetCoverageRatio(60.0);
    ZnModelAppEachZoneList zones;
    zones.AddCopy(first);
    zones.AddCopy(MakeZone("12", 50.0, 1, ""));
    siteArea.SetEachZoneList(zones);
    siteArea.SetBuildableFloorAreaRatio(1.5);
    siteArea.SetBuildableCoverageRatio(0.6);
    siteArea.SetText("S");
    page.SetSiteArea(siteArea);

    page.m_mainUsageCode.SetCode("08010");
    page.SetMainUsageText("U");
    page.SetConstKind("01601");
    page.SetConstKind("01605");
    page.SetBuildingArea(MakeArea(60.0, 0.5));
    page.m_totalFloorArea.SetWholeArea(MakeArea(200.0, 0.0));
    page.m_totalFloorArea.SetGarageArea(MakeArea(10.0, 0.0));
    page.SetAppBuildingCount(2);
    page.SetOtherBuildingCount(1);
    page.SetAppMaxHeight(9.5);
    page.SetAppFloorsAbove(3);
    page.SetAppFloorsBelow(1);
    page.SetOtherMaxHeight(4.0);
    page.SetOtherFloorsAbove(1);
    page.m_mainStrKind.m_strKindCode.SetCode("1");
    page.m_mainStrKind.SetText("W");
    ZnModelAppStrKind further;
    further.m_strKindCode.SetCode("2");
    further.SetText("S");
    ZnModelAppStrKindList kinds;
    kinds.AddCopy(further);
    page.SetStrKindList(kinds);
    page.m_constStartDate.SetDateString("02220402");
    page.m_tenkuritu.m_first = 1;
    page.m_tenkuritu.m_adjacentLimitExempt = 1;
    page.SetPermitText("P");
    page.m_specStageDate.SetCount(1);
    page.m_specStageDate.SetName("F");
    ZnModelInspDate stage;
    stage.SetCount(2);
    stage.SetName("G");
    ZnModelInspDateList stages;
    stages.AddCopy(stage);
    page.SetInspDateList(stages);
    page.SetOtherMatters("O");
    page.SetRemarks("R");
    page.SetChangeSummary("C");
    for (int i = 0; i < 8; ++i)
        page.m_sitePos1.m_values[i] = i + 1;
    return page;
}

// A site page whose areas are given: building area, the five floor-area totals (as applied
// parts) and the zones.
struct AreaCase {
    double buildingArea = 0.0;
    double whole = 0.0, basementHousing = 0.0, commonCorridor = 0.0, garage = 0.0, housing = 0.0;
};

ZnModelAppSitePage MakeAreaPage(const AreaCase& c, const ZnModelAppEachZoneList& zones)
{
    ZnModelAppSitePage page;
    page.SetBuildingArea(MakeArea(c.buildingArea, 0.0));
    page.m_totalFloorArea.SetWholeArea(MakeArea(c.whole, 0.0));
    page.m_totalFloorArea.SetBasementHouseArea(MakeArea(c.basementHousing, 0.0));
    page.m_totalFloorArea.SetCommonCorridorArea(MakeArea(c.commonCorridor, 0.0));
    page.m_totalFloorArea.SetGarageArea(MakeArea(c.garage, 0.0));
    page.m_totalFloorArea.SetHouseArea(MakeArea(c.housing, 0.0));
    page.m_siteArea.SetEachZoneList(zones);
    return page;
}

ZnModelAppEachZoneList OneZone(double area, LPCTSTR areaText = "")
{
    ZnModelAppEachZoneList zones;
    zones.AddCopy(MakeZone("11", area, 0, areaText));
    return zones;
}

} // namespace

TEST(ZnModelAppSitePage, StoresEveryFieldInTheNewestLayoutAndLoadsItBack)
{
    ZnModelAppSitePage page = MakeSampleSitePage();
    EXPECT_EQ(Hex(Fixture("site_page.hex")), Hex(Store(page)));

    ZnModelAppSitePage read;
    Load(read, Fixture("site_page.hex"));
    EXPECT_EQ(CString("00702"), read.GetUrbanPlanKindCode());
    EXPECT_EQ(2, read.GetSiteArea().GetEachZoneList().GetCount());
    EXPECT_EQ(CString("G"), read.GetInspDateList().GetHead()->GetName());
    EXPECT_EQ(CString("02220402"), read.GetConstStartDate().GetDateString());
    EXPECT_TRUE(read.GetTenkuritu().IsApplied());
    EXPECT_EQ(Hex(Fixture("site_page.hex")), Hex(Store(read)));
}

TEST(ZnModelAppSitePage, FirstLayoutLeavesTheLaterValuesAtTheirDefaults)
{
    // The page held values before: an old file still gives the defaults, not the old values.
    ZnModelAppSitePage read = MakeSampleSitePage();
    read.m_tenkuritu.m_roadLimitExempt = 1;
    Load(read, Fixture("site_page_v256.hex"));
    EXPECT_EQ(0, read.m_tenkuritu.m_first);
    EXPECT_EQ(0, read.m_tenkuritu.m_roadLimitExempt);
    EXPECT_EQ(0, read.m_tenkuritu.m_adjacentLimitExempt);
    EXPECT_FALSE(read.GetTenkuritu().IsApplied());
    EXPECT_EQ(0, read.m_otherZoneFlag2);
    EXPECT_EQ(1, read.m_otherZoneFlag1);
    EXPECT_EQ(12.25, read.m_roadFrontage);

    // Stored again it takes the newest layout: with the two values of site_page.hex set, the same bytes.
    read.m_tenkuritu.m_first = 1;
    read.m_tenkuritu.m_adjacentLimitExempt = 1;
    read.SetOtherZoneFlag2(1);
    EXPECT_EQ(Hex(Fixture("site_page.hex")), Hex(Store(read)));
}

TEST(ZnModelAppSitePage, CodeConvertersActOnTheFirstMatchAndNeverClear)
{
    ZnModelAppSitePage page;
    EXPECT_EQ(CString("00701"), page.GetUrbanPlanKindCode());
    page.SetUrbanPlanKind("00700");
    EXPECT_EQ(CString("00700"), page.GetUrbanPlanKindCode());
    page.SetUrbanPlanKind("00703");
    page.SetUrbanPlanKind(nullptr);
    EXPECT_EQ(0, page.m_urbanPlanKind);
    page.m_urbanPlanKind = 3;
    EXPECT_EQ(CString(""), page.GetUrbanPlanKindCode());
    page.m_urbanPlanKind = -1;
    EXPECT_EQ(CString(""), page.GetUrbanPlanKindCode());

    CStringList codes;
    codes.AddTail("stale");
    page.GetFireZoneCodes(codes);
    EXPECT_EQ(CString(""), Joined(codes));
    page.SetFireZone("00602");
    page.SetFireZone("00601");
    page.SetFireZone("0060");
    page.SetFireZone(nullptr);
    page.GetFireZoneCodes(codes);
    EXPECT_EQ(CString("00601;00602;"), Joined(codes));

    page.SetConstKind("01607");
    page.SetConstKind("01602");
    page.SetConstKind("01608");
    page.SetConstKind("01699");
    page.GetConstKindCodes(codes);
    EXPECT_EQ(CString("01602;01607;"), Joined(codes));
}

TEST(ZnModelAppSitePage, SiteAreaTotals)
{
    ZnModelAppSitePage page = MakeSampleSitePage();
    EXPECT_EQ(150.0, page.GetSiteArea1Total());
    EXPECT_EQ(80.0, page.GetSiteArea2Total()); // the second zone has no second area

    ZnModelAppSitePage empty;
    EXPECT_EQ(0.0, empty.GetSiteArea1Total());
    EXPECT_EQ(0.0, empty.GetSiteArea2Total());
}

TEST(ZnModelAppSitePage, CoverageRatioIsCutToThreeDecimalsThenRoundedUpToTwo)
{
    EXPECT_DOUBLE_EQ(60.01, MakeAreaPage({60.0012}, OneZone(100.0)).GetCoverageRatio());
    EXPECT_DOUBLE_EQ(33.34, MakeAreaPage({33.333}, OneZone(100.0)).GetCoverageRatio());
    EXPECT_DOUBLE_EQ(60.0, MakeAreaPage({60.0}, OneZone(100.0)).GetCoverageRatio());
    // 60.5 / 150 = 40.3333...: cut to 40.333, rounded up to 40.34.
    EXPECT_DOUBLE_EQ(40.34, MakeSampleSitePage().GetCoverageRatio());
    // 40.0004 % is cut to 40.000 before rounding up, so it stays 40.00.
    EXPECT_DOUBLE_EQ(40.0, MakeAreaPage({40.0004}, OneZone(100.0)).GetCoverageRatio());

    EXPECT_EQ(0.0, MakeAreaPage({50.0}, OneZone(0.0)).GetCoverageRatio());
    EXPECT_EQ(0.0, MakeAreaPage({50.0}, OneZone(-10.0)).GetCoverageRatio());
    EXPECT_EQ(0.0, MakeAreaPage({50.0}, ZnModelAppEachZoneList()).GetCoverageRatio());
}

TEST(ZnModelAppSitePage, CountedFloorAreaCapsTheGarageAndBasementHousing)
{
    // The garage counts at most a fifth of the whole: 30 is capped at 20.
    AreaCase garage;
    garage.whole = 100.0;
    garage.garage = 30.0;
    EXPECT_DOUBLE_EQ(80.0, MakeAreaPage(garage, {}).GetTotalFloorArea());
    // Basement housing counts at most a third of the housing part: 40 is capped at 30.
    AreaCase basement;
    basement.whole = 200.0;
    basement.housing = 90.0;
    basement.basementHousing = 40.0;
    EXPECT_DOUBLE_EQ(170.0, MakeAreaPage(basement, {}).GetTotalFloorArea());
    // Common corridors are deducted in full, parts under their caps in full too.
    AreaCase all;
    all.whole = 300.0;
    all.commonCorridor = 25.0;
    all.garage = 10.0;
    all.housing = 90.0;
    all.basementHousing = 20.0;
    EXPECT_DOUBLE_EQ(245.0, MakeAreaPage(all, {}).GetTotalFloorArea());
    EXPECT_DOUBLE_EQ(190.0, MakeSampleSitePage().GetTotalFloorArea());

    // Rounded up to the hundredth unless the rest is below a tenth of a hundredth.
    AreaCase rounding;
    rounding.whole = 123.451;
    EXPECT_DOUBLE_EQ(123.46, MakeAreaPage(rounding, {}).GetTotalFloorArea());
    rounding.whole = 123.4509;
    EXPECT_DOUBLE_EQ(123.45, MakeAreaPage(rounding, {}).GetTotalFloorArea());
    EXPECT_EQ(0.0, ZnModelAppSitePage().GetTotalFloorArea());
}

TEST(ZnModelAppSitePage, FloorAreaRatioUsesTheSecondAreasOrTheSiteAreas)
{
    // 190 over 80 (first zone's text) + 50 (second zone's area, its text empty) = 146.1538...%.
    EXPECT_DOUBLE_EQ(146.16, MakeSampleSitePage().GetFloorAreaRatio());

    AreaCase floor;
    floor.whole = 150.0;
    EXPECT_DOUBLE_EQ(150.0, MakeAreaPage(floor, OneZone(100.0, "0")).GetFloorAreaRatio());
    EXPECT_DOUBLE_EQ(300.0, MakeAreaPage(floor, OneZone(100.0, "50")).GetFloorAreaRatio());
    // 150 / 70 = 214.2857...% rounds up to 214.29.
    EXPECT_DOUBLE_EQ(214.29, MakeAreaPage(floor, OneZone(100.0, "70")).GetFloorAreaRatio());

    EXPECT_EQ(0.0, MakeAreaPage(floor, ZnModelAppEachZoneList()).GetFloorAreaRatio());
    EXPECT_EQ(0.0, MakeAreaPage(floor, OneZone(0.0, "")).GetFloorAreaRatio());
}

TEST(ZnModelAppSitePage, DamagedAreasGiveNoInfiniteOrNaNFigure)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    AreaCase bad;
    bad.buildingArea = nan;
    bad.whole = infinity;
    ZnModelAppSitePage page = MakeAreaPage(bad, OneZone(100.0, "nan"));
    EXPECT_EQ(0.0, page.GetCoverageRatio());
    EXPECT_EQ(0.0, page.GetTotalFloorArea());
    EXPECT_EQ(0.0, page.GetSiteArea2Total());
    // A zone text that reads as not a number counts the zone's site area.
    AreaCase floor;
    floor.whole = 150.0;
    EXPECT_DOUBLE_EQ(150.0, MakeAreaPage(floor, OneZone(100.0, "nan")).GetFloorAreaRatio());
    EXPECT_EQ(0.0, MakeAreaPage(floor, OneZone(nan, "")).GetFloorAreaRatio());
    EXPECT_EQ(0.0, MakeAreaPage(floor, OneZone(infinity, "")).GetCoverageRatio());
}
