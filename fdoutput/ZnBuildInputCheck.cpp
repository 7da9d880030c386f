#include "fdoutput/ZnBuildInputCheck.h"

#include "fdoutput/ZnCheckFindings.h"
#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppBuildMod.h"
#include "writers/ZnAppDocFDOut00.h"

#include <algorithm>
#include <cstdlib>

namespace {

const int newBuildingKind = 0; // 新築, the first construction-kind flag

bool Compare(double a, LPCTSTR op, double b) { return ZnAppDocFDOut00::CompareNumber(a, op, b) != 0; }

bool HasNoCode(const ZnModelCode& code) { return code.GetCode().IsEmpty(); }

// What the pass over the building pages finds: the largest counts and heights and the sum of the
// pages' total floor areas.
struct PagesSummary {
    int largestFloorsAbove = 0;
    int largestFloorsBelow = 0;
    double largestHeight = 0.0;
    double totalFloorArea = 0.0;
};

PagesSummary SummarisePages(const ZnModelAppBuildPageList& pages, ZnBuildCheckFacts& facts)
{
    PagesSummary summary;
    for (POSITION pos = pages.GetHeadPosition(); pos;) {
        const ZnModelAppBuildPage* page = pages.GetNext(pos);
        if (!page)
            continue;
        summary.largestFloorsAbove = std::max(summary.largestFloorsAbove, page->m_floorsAboveGround);
        summary.largestFloorsBelow = std::max(summary.largestFloorsBelow, page->m_floorsBelowGround);
        summary.largestHeight = std::max(summary.largestHeight, page->m_maxHeight);
        facts.largestEavesHeight = std::max(facts.largestEavesHeight, page->m_maxEavesHeight);
        summary.totalFloorArea += page->GetTotalFloorArea();
        facts.buildingNumbers.push_back(page->GetBuildingNumber());
        facts.floorsAbove.push_back(page->m_floorsAboveGround);
        facts.floorsBelow.push_back(page->m_floorsBelowGround);
    }
    return summary;
}

void KeepSiteFacts(const ZnModelAppSitePage& site, ZnBuildCheckFacts& facts)
{
    facts.appliedBuildings = site.m_appBuildingCount;
    std::copy(site.m_constKind, site.m_constKind + 4, facts.constructionKinds);
}

void CheckDesigner(const ZnModelDesigner& designer, ZnCheckFindings& findings)
{
    findings.AddIfEmpty(designer.GetName().m_name, "第二面：設計者の氏名が未入力です。");
    findings.AddIfEmpty(designer.m_qualificationClass, "第二面：設計者の建築士資格が未入力です。");
    findings.AddIfEmpty(designer.m_qualificationAuthority, "第二面：設計者の建築士登録種別が未入力です。");
    findings.AddIfEmpty(designer.m_qualificationRegistrationNumber, "第二面：設計者の建築士登録番号が未入力です。");
}

const ZnModelAppEachZone* FirstZone(const ZnModelAppEachZoneList& zones)
{
    return zones.IsEmpty() ? nullptr : zones.GetHead();
}

// A zone's area as the half-site rule counts it: area 1, plus area 2 unless the zone has none.
double ZoneArea(const ZnModelAppEachZone& zone)
{
    return zone.GetSiteArea() + (zone.GetArea2Omitted() ? 0.0 : std::atof(zone.GetAreaText()));
}

// Outside a city-planning area, no zone may hold half the site or more; zones without a use zone
// and the "00900" zones do not count.
void CheckHalfSiteZones(const ZnModelAppEachZoneList& zones, double siteSum, ZnCheckFindings& findings)
{
    int n = 0;
    for (POSITION pos = zones.GetHeadPosition(); pos;) {
        const ZnModelAppEachZone* zone = zones.GetNext(pos);
        ++n;
        if (!zone)
            continue;
        const CString& code = zone->GetUseZoneCode().GetCode();
        if (code.IsEmpty() || code == "00900")
            continue;
        findings.AddIf(Compare(ZoneArea(*zone), ">=", siteSum * 0.5),
                       ZnCheckRules::Numbered("第三面：", n, "番目の敷地面積が敷地面積合計の半分以上です。"));
    }
}

void CheckFirstZone(const ZnModelAppEachZone& zone, ZnCheckFindings& findings)
{
    findings.AddIf(Compare(zone.GetSiteArea(), "<=", 0.0), "第三面：1番目の敷地面積(1)が未入力です。");
    findings.AddIfEmpty(zone.GetUseZoneCode(), "第三面：1番目の敷地面積の用途地域等が未入力です。");
    findings.AddIf(ZnCheckRules::IsZero(zone.GetDesignatedFloorAreaRatio()),
                   "第三面：1番目の敷地面積の指定容積率が未入力です。");
    findings.AddIf(ZnCheckRules::IsZero(zone.GetCoverageRatio()),
                   "第三面：1番目の敷地面積の指定建ぺい率が未入力です。");
}

// Zones after the first are checked only when they have an area.
void CheckFurtherZones(const ZnModelAppEachZoneList& zones, ZnCheckFindings& findings)
{
    int n = 0;
    for (POSITION pos = zones.GetHeadPosition(); pos;) {
        const ZnModelAppEachZone* zone = zones.GetNext(pos);
        ++n;
        if (n < 2 || !zone || !Compare(zone->GetSiteArea(), ">", 0.0))
            continue;
        findings.AddIfEmpty(zone->GetUseZoneCode(),
                            ZnCheckRules::Numbered("第三面：", n, "番目の敷地面積の用途地域等が未入力です。"));
        findings.AddIf(ZnCheckRules::IsZero(zone->GetDesignatedFloorAreaRatio()),
                       ZnCheckRules::Numbered("第三面：", n, "番目の敷地面積の指定容積率が未入力です。"));
        findings.AddIf(ZnCheckRules::IsZero(zone->GetCoverageRatio()),
                       ZnCheckRules::Numbered("第三面：", n, "番目の敷地面積の指定建ぺい率が未入力です。"));
    }
}

double OtherPartsOfAreas(const ZnModelAppSitePage& site)
{
    const ZnModelAppTotalFloorArea& floors = site.GetTotalFloorAreaData();
    return site.GetBuildingArea().GetOtherPart() + floors.GetWholeArea().GetOtherPart() +
           floors.GetBasementHousingArea().GetOtherPart() + floors.GetCorridorArea().GetOtherPart() +
           floors.GetGarageArea().GetOtherPart() + floors.GetHouseArea().GetOtherPart();
}

void CheckSite(const ZnModelAppSitePage& site, double siteSum, ZnCheckFindings& findings)
{
    const ZnModelAppEachZoneList& zones = site.GetSiteArea().GetEachZoneList();
    findings.AddIfEmpty(site.GetLotAddress().m_address, "第三面：地名地番が未入力です。");
    findings.AddIf(site.m_urbanPlanKind == 1 && HasNoCode(site.GetUrbanAreaCode()), "第三面：市街化区域が未入力です。");
    if (site.m_urbanPlanKind == 0)
        CheckHalfSiteZones(zones, siteSum, findings);
    findings.AddIf(!site.m_fireZone && !site.m_semiFireZone && !site.m_noFireZone,
                   "第三面：防火地域が選択されていません。");
    if (const ZnModelAppEachZone* first = FirstZone(zones))
        CheckFirstZone(*first, findings);
    CheckFurtherZones(zones, findings);
    findings.AddIf(Compare(site.GetSiteArea1Total(), "<=", site.GetSiteArea2Total()),
                   "第三面：敷地面積合計(2)が敷地面積合計(1)以上です。");
    findings.AddIfEmpty(site.GetUsageCode(), "第三面：主要用途コードが未入力です。");
    findings.AddIfEmpty(site.GetMainUsageText(), "第三面：主要用途名称が未入力です。");
    CStringList kinds;
    site.GetConstKindCodes(kinds);
    findings.AddIf(kinds.IsEmpty(), "第三面：工事種別が選択されていません。");
    findings.AddIf(site.m_constKind[newBuildingKind] == 1 && Compare(OtherPartsOfAreas(site), ">", 0.0),
                   "第三面：新築のときは「申請以外の部分」はすべてゼロでなくてはなりません。");
    findings.AddIf(Compare(site.GetBuildingArea().GetTotal(), "<=", 0.0), "第三面：建築面積が未入力です。");
}

// A ratio is wrong when it exceeds the site's limit and the first zone's designated ratio; without a
// zone, the site's limit alone decides.
bool ExceedsLimits(double ratio, double siteLimit, const ZnModelAppEachZone* firstZone,
                   double (*designated)(const ZnModelAppEachZone&))
{
    if (Compare(ratio, "<=", siteLimit))
        return false;
    return !firstZone || !Compare(ratio, "<=", designated(*firstZone));
}

double DesignatedCoverage(const ZnModelAppEachZone& zone) { return zone.GetCoverageRatio(); }

double DesignatedFloorAreaRatio(const ZnModelAppEachZone& zone) { return zone.GetDesignatedFloorAreaRatio(); }

void CheckAreas(const ZnModelAppSitePage& site, double pagesFloorArea, ZnCheckFindings& findings)
{
    const ZnModelAppSiteArea& siteArea = site.GetSiteArea();
    const ZnModelAppEachZone* firstZone = FirstZone(siteArea.GetEachZoneList());
    const ZnModelAppTotalFloorArea& floors = site.GetTotalFloorAreaData();
    double whole = floors.GetWholeArea().GetTotal();
    findings.AddIf(
        ExceedsLimits(site.GetCoverageRatio(), siteArea.GetBuildableCoverageRatio(), firstZone, DesignatedCoverage),
        "第三面：建築面積の建ぺい率が正しくありません。");
    findings.AddIf(Compare(floors.GetBasementHousingArea().GetTotal(), ">", whole),
                   "第三面：延べ面積の地階住宅部分合計が建築物全体合計を超えています。");
    findings.AddIf(Compare(floors.GetCorridorArea().GetTotal(), ">", whole),
                   "第三面：延べ面積の共同住宅廊下等合計が建築物全体合計を超えています。");
    findings.AddIf(Compare(floors.GetGarageArea().GetTotal(), ">", whole),
                   "第三面：延べ面積の自動車車庫部分合計が建築物全体合計を超えています。");
    findings.AddIf(Compare(floors.GetHouseArea().GetTotal(), ">", whole),
                   "第三面：延べ面積の住宅部分合計が建築物全体合計を超えています。");
    findings.AddIf(Compare(pagesFloorArea, ">", whole), "第三面：第四面床面積合計が建築物全体合計を超えています。");
    findings.AddIf(ExceedsLimits(site.GetFloorAreaRatio(), siteArea.GetBuildableFloorAreaRatio(), firstZone,
                                 DesignatedFloorAreaRatio),
                   "第三面：容積率が正しくありません。");
}

void CheckCounts(const ZnModelAppSitePage& site, int pageCount, const PagesSummary& pages, ZnCheckFindings& findings)
{
    findings.AddIf(site.m_appBuildingCount == 0, "第三面：申請にかかわる建築物の数が未入力です。");
    findings.AddIf(site.m_appBuildingCount != pageCount, "第三面：申請にかかわる建築物の数が正しくありません。");
    findings.AddIf(ZnCheckRules::IsZero(site.m_appMaxHeight), "第三面：申請にかかわる建築物の高さが未入力です。");
    findings.AddIf(Compare(site.m_appMaxHeight, "!=", pages.largestHeight),
                   "第三面：申請にかかわる建築物の高さが正しくありません。");
    findings.AddIf(site.m_appFloorsAbove + site.m_appFloorsBelow == 0, "第三面：申請にかかわる階数が未入力です。");
    findings.AddIf(site.m_appFloorsAbove != pages.largestFloorsAbove,
                   "第三面：申請にかかわる地上階数が正しくありません。");
    findings.AddIf(site.m_appFloorsBelow != pages.largestFloorsBelow,
                   "第三面：申請にかかわる地下階数が正しくありません。");
    const ZnModelAppTenkuritu& special = site.GetTenkuritu();
    findings.AddIf(special.m_first == 1 && !special.m_roadLimitExempt && !special.m_adjacentLimitExempt &&
                       !special.m_northLimitExempt,
                   "第三面：法第56条第7項の特例の区分が選択されていません。");
}

void CheckDates(const ZnModelAppSitePage& site, const ZnFDOutCheckInput& input, ZnCheckFindings& findings)
{
    const ZnModelDate& start = site.GetConstStartDate();
    const ZnModelDate& end = site.GetConstEndDate();
    findings.AddIf(ZnCheckRules::LacksDatePart(start), "第三面：工事着手予定年月日が未入力です。");
    findings.AddIf(ZnCheckRules::LacksDatePart(end), "第三面：工事完了予定年月日が未入力です。");
    findings.AddIf(!start.IsValid(), "第三面：工事着手予定年月日の日付が正しくありません。");
    findings.AddIf(!end.IsValid(), "第三面：工事完了予定年月日の日付が正しくありません。");
    findings.AddIf(!site.GetSpecStageDate().GetDate().IsValid(),
                   "第三面：特定工程工事終了予定年月日の日付が正しくありません。");
    const ZnModelInspDateList& stages = site.GetInspDateList();
    int n = 0;
    for (POSITION pos = stages.GetHeadPosition(); pos;) {
        const ZnModelInspDate* stage = stages.GetNext(pos);
        ++n;
        findings.AddIf(
            stage && !stage->GetDate().IsValid(),
            ZnCheckRules::Numbered("第三面：", n, "番目の特定工程工事終了予定年月日追加欄の日付が正しくありません。"));
    }
    if (input.docType == 1008) {
        ZnSlotView<ZnModelAppBuildMod> planChange(input.subForm);
        findings.AddIf(!planChange->GetPrevConfNum().GetDate().IsValid(),
                       "第三面：計画変更の確認済証交付年月日の日付が正しくありません。");
    }
}

// The text of building page L's finding: face, then "L番の建築物", then what is wrong.
CString BuildingMessage(LPCTSTR face, const ZnModelAppBuildPage& page, LPCTSTR what)
{
    return ZnCheckRules::Numbered(face, page.GetBuildingNumber(), CString("番の建築物") + what);
}

void CheckUsages(const ZnModelAppBuildPage& page, ZnCheckFindings& findings)
{
    const ZnModelAppUsageList& usages = page.GetUsageList();
    bool anyCode = false;
    int k = 0;
    for (POSITION pos = usages.GetHeadPosition(); pos;) {
        const ZnModelAppUsage* usage = usages.GetNext(pos);
        ++k;
        if (!usage)
            continue;
        bool noCode = HasNoCode(usage->GetUsageCode());
        bool noText = usage->GetText().IsEmpty();
        anyCode = anyCode || !noCode;
        findings.AddIf(
            noCode && !noText,
            BuildingMessage("第四面：", page, ZnCheckRules::Numbered("の", k, "番目の用途コードが未入力です。")));
        findings.AddIf(
            !noCode && noText,
            BuildingMessage("第四面：", page, ZnCheckRules::Numbered("の", k, "番目の用途名称が未入力です。")));
    }
    findings.AddIf(!anyCode, BuildingMessage("第四面：", page, "の用途コードが未入力です。"));
}

void CheckFourthFace(const ZnModelAppBuildPage& page, ZnCheckFindings& findings)
{
    CheckUsages(page, findings);
    CStringList kinds;
    page.GetConstKindCodes(kinds);
    findings.AddIf(kinds.IsEmpty(), BuildingMessage("第四面：", page, "の工事種別が選択されていません。"));
    findings.AddIf(
        page.m_constKind[newBuildingKind] && Compare(page.GetOtherPartFloorArea(), ">", 0.0),
        BuildingMessage("第四面：", page, "が新築のときは「申請以外の部分」はすべてゼロでなくてはなりません。"));
    findings.AddIfEmpty(page.GetStrKind().GetStrKindCode(),
                        BuildingMessage("第四面：", page, "の構造コードが未入力です。"));
    findings.AddIfEmpty(page.GetFireProofCode(), BuildingMessage("第四面：", page, "の耐火建築物が未入力です。"));
    findings.AddIf(page.m_floorsAboveGround + page.m_floorsBelowGround == 0,
                   BuildingMessage("第四面：", page, "の階数が未入力です。"));
    findings.AddIf(ZnCheckRules::IsZero(page.GetTotalFloorArea()),
                   BuildingMessage("第四面：", page, "の床面積合計が０です。"));
}

// The number of floors whose name begins with kind (F, B, P or M).
int CountFloors(const ZnModelAppFloorOutlineList& floors, char kind)
{
    int count = 0;
    for (POSITION pos = floors.GetHeadPosition(); pos;) {
        const ZnModelAppFloorOutline* floor = floors.GetNext(pos);
        if (floor && !floor->GetFloorText().IsEmpty() && floor->GetFloorText()[0] == kind)
            ++count;
    }
    return count;
}

void CheckFirstUseAreas(const ZnModelAppBuildPage& page, ZnCheckFindings& findings)
{
    const ZnModelAppFloorOutlineList& floors = page.GetFloorOutlineList();
    for (POSITION pos = floors.GetHeadPosition(); pos;) {
        const ZnModelAppFloorOutline* floor = floors.GetNext(pos);
        if (!floor || floor->GetUseFloorAreaList().IsEmpty())
            continue;
        const ZnModelAppUseFloorArea* first = floor->GetUseFloorAreaList().GetHead();
        if (!first)
            continue;
        CString floorName = floor->GetFloorText();
        findings.AddIfEmpty(
            first->GetUsageCode(),
            BuildingMessage("第五面：", page, floorName + "の１番目の用途別床面積の用途コードが未入力です。"));
        findings.AddIf(ZnCheckRules::IsZero(first->GetFloorArea()),
                       BuildingMessage("第五面：", page, floorName + "の１番目の用途別床面積が未入力です。"));
    }
}

void CheckFifthFace(const ZnModelAppBuildPage& page, ZnCheckFindings& findings)
{
    const ZnModelAppFloorOutlineList& floors = page.GetFloorOutlineList();
    findings.AddIf(CountFloors(floors, 'F') != page.m_floorsAboveGround,
                   BuildingMessage("第五面：", page, "の地上階数が第四面の地上階数分入力されていません。"));
    findings.AddIf(CountFloors(floors, 'B') != page.m_floorsBelowGround,
                   BuildingMessage("第五面：", page, "の地下階数が第四面の地下階数分入力されていません。"));
    findings.AddIf(
        CountFloors(floors, 'P') != page.m_penthouseFloors,
        BuildingMessage("第五面：", page, "のペントハウス階数が第四面のペントハウス階数分入力されていません。"));
    findings.AddIf(CountFloors(floors, 'M') != page.m_basementStoreFloors,
                   BuildingMessage("第五面：", page, "の地下機械室階数が第四面の地下機械室階数分入力されていません。"));
    CheckFirstUseAreas(page, findings);
}

void CheckPages(const ZnModelAppBuildPageList& pages, void (*checkPage)(const ZnModelAppBuildPage&, ZnCheckFindings&),
                ZnCheckFindings& findings)
{
    for (POSITION pos = pages.GetHeadPosition(); pos;)
        if (const ZnModelAppBuildPage* page = pages.GetNext(pos))
            checkPage(*page, findings);
}

} // namespace

std::vector<CString> ZnBuildInputCheck::Run(const ZnFDOutCheckInput& input, ZnBuildCheckFacts& facts)
{
    facts = ZnBuildCheckFacts();
    ZnSlotView<ZnModelAppBuild> build(input.form);
    const ZnModelAppSitePage& site = build->GetSitePage();
    const ZnModelAppBuildPageList& pages = build->GetBuildPageList();
    PagesSummary summary = SummarisePages(pages, facts);
    double siteSum = site.GetSiteArea2Total() + site.GetSiteArea1Total();
    KeepSiteFacts(site, facts);

    ZnCheckFindings findings;
    CheckDesigner(build->GetDesigner(), findings);
    CheckSite(site, siteSum, findings);
    CheckAreas(site, summary.totalFloorArea, findings);
    CheckCounts(site, static_cast<int>(pages.GetCount()), summary, findings);
    CheckDates(site, input, findings);
    CheckPages(pages, CheckFourthFace, findings);
    CheckPages(pages, CheckFifthFace, findings);
    return findings.Take();
}
