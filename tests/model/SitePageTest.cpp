#include "model/ZnModelAppSitePage.h"
#include "tests/model/ModelTestSupport.h"

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

// Areas of a site page and the figures worked out from them: the building area; the whole floor
// area and its basement housing, common corridor, garage and housing parts (applied parts); the
// zones (none or one, with its site area and its area text); then the two site area totals, the
// coverage ratio, the counted floor area and the floor-area ratio.
const double nan = std::numeric_limits<double>::quiet_NaN();
const double inf = std::numeric_limits<double>::infinity();
const struct AreaCase {
    double building, whole, basement, corridor, garage, housing;
    int zones;
    double zoneArea;
    const char* zoneText;
    double site1, site2, coverage, total, ratio;
} areaCases[] = {
    // The coverage ratio is cut to three decimals, then rounded up to two: 40.0004 % stays 40.00.
    {60.0012, 0, 0, 0, 0, 0, 1, 100, "", 100, 0, 60.01, 0, 0},
    {33.333, 0, 0, 0, 0, 0, 1, 100, "", 100, 0, 33.34, 0, 0},
    {60, 0, 0, 0, 0, 0, 1, 100, "", 100, 0, 60, 0, 0},
    {40.0004, 0, 0, 0, 0, 0, 1, 100, "", 100, 0, 40, 0, 0},
    {50, 0, 0, 0, 0, 0, 1, 0, "", 0, 0, 0, 0, 0},
    {50, 0, 0, 0, 0, 0, 1, -10, "", -10, 0, 0, 0, 0},
    {50, 0, 0, 0, 0, 0, 0, 0, "", 0, 0, 0, 0, 0},
    // The garage counts at most a fifth of the whole, basement housing at most a third of the
    // housing part; common corridors are deducted in full. Rounded up to the hundredth unless the
    // rest is below a tenth of a hundredth.
    {0, 100, 0, 0, 30, 0, 0, 0, "", 0, 0, 0, 80, 0},
    {0, 200, 40, 0, 0, 90, 0, 0, "", 0, 0, 0, 170, 0},
    {0, 300, 20, 25, 10, 90, 0, 0, "", 0, 0, 0, 245, 0},
    {0, 123.451, 0, 0, 0, 0, 0, 0, "", 0, 0, 0, 123.46, 0},
    {0, 123.4509, 0, 0, 0, 0, 0, 0, "", 0, 0, 0, 123.45, 0},
    // The floor-area ratio takes a zone's area text, or its site area when the text reads as 0 or
    // as not a number: 150 / 70 = 214.2857...% rounds up to 214.29.
    {0, 150, 0, 0, 0, 0, 1, 100, "0", 100, 0, 0, 150, 150},
    {0, 150, 0, 0, 0, 0, 1, 100, "50", 100, 50, 0, 150, 300},
    {0, 150, 0, 0, 0, 0, 1, 100, "70", 100, 70, 0, 150, 214.29},
    {0, 150, 0, 0, 0, 0, 1, 100, "nan", 100, 0, 0, 150, 150},
    {0, 150, 0, 0, 0, 0, 0, 0, "", 0, 0, 0, 150, 0},
    {0, 150, 0, 0, 0, 0, 1, 0, "", 0, 0, 0, 150, 0},
    // Damaged areas give no infinite or NaN figure.
    {nan, inf, 0, 0, 0, 0, 1, 100, "nan", 100, 0, 0, 0, 0},
    {0, 150, 0, 0, 0, 0, 1, nan, "", 0, 0, 0, 150, 0},
    {0, 150, 0, 0, 0, 0, 1, inf, "", 0, 0, 0, 150, 0},
};

} // namespace

TEST(ZnModelAppSitePage, StoresEveryFieldInTheNewestLayoutAndLoadsItBack)
{
    ZnModelAppSitePage page = MakeSampleSitePage();
    EXPECT_TRUE(page.GetTenkuritu().IsApplied());
    ZnModelAppSitePage read;
    modeltest::ExpectStoredAndLoaded(page, read, "site_page.hex");
}

// The page held values before: the first layout still gives the defaults of the values it lacks
// (the four of the tenkuritu and the second other-zone flag), not the old values.
TEST(ZnModelAppSitePage, FirstLayoutLeavesTheLaterValuesAtTheirDefaults)
{
    ZnModelAppSitePage read = MakeSampleSitePage();
    read.m_tenkuritu.m_roadLimitExempt = 1;
    Load(read, Fixture("site_page_v256.hex"));
    EXPECT_FALSE(read.GetTenkuritu().IsApplied());
    ZnModelAppSitePage expected = MakeSampleSitePage();
    expected.m_tenkuritu = ZnModelAppTenkuritu();
    expected.m_otherZoneFlag2 = 0;
    EXPECT_EQ(Hex(Store(expected)), Hex(Store(read)));
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
    page.GetConstKindCodes(codes);
    EXPECT_EQ(CString("01602;01607;"), Joined(codes));
}

TEST(ZnModelAppSitePage, SiteAreaTotalsAndRatiosFromTheAreas)
{
    // The sample: 60.5 / 150 = 40.3333...% cut to 40.333 and rounded up; 190 over 80 (first
    // zone's text) + 50 (second zone's area, its text empty) = 146.1538...%.
    ZnModelAppSitePage sample = MakeSampleSitePage();
    EXPECT_EQ(150.0, sample.GetSiteArea1Total());
    EXPECT_EQ(80.0, sample.GetSiteArea2Total()); // the second zone has no second area
    EXPECT_DOUBLE_EQ(40.34, sample.GetCoverageRatio());
    EXPECT_DOUBLE_EQ(190.0, sample.GetTotalFloorArea());
    EXPECT_DOUBLE_EQ(146.16, sample.GetFloorAreaRatio());

    for (const AreaCase& c : areaCases) {
        SCOPED_TRACE(testing::Message() << c.building << " " << c.whole << " " << c.zoneArea << " " << c.zoneText);
        ZnModelAppSitePage page;
        page.SetBuildingArea(MakeArea(c.building, 0.0));
        ZnModelAppTotalFloorArea& floors = page.m_totalFloorArea;
        floors.SetWholeArea(MakeArea(c.whole, 0.0));
        floors.SetBasementHouseArea(MakeArea(c.basement, 0.0));
        floors.SetCommonCorridorArea(MakeArea(c.corridor, 0.0));
        floors.SetGarageArea(MakeArea(c.garage, 0.0));
        floors.SetHouseArea(MakeArea(c.housing, 0.0));
        if (c.zones)
            page.m_siteArea.m_zoneList.AddCopy(MakeZone("11", c.zoneArea, 0, c.zoneText));
        EXPECT_DOUBLE_EQ(c.site1, page.GetSiteArea1Total());
        EXPECT_DOUBLE_EQ(c.site2, page.GetSiteArea2Total());
        EXPECT_DOUBLE_EQ(c.coverage, page.GetCoverageRatio());
        EXPECT_DOUBLE_EQ(c.total, page.GetTotalFloorArea());
        EXPECT_DOUBLE_EQ(c.ratio, page.GetFloorAreaRatio());
    }
}
