#include "tools/sampledata/SampleBuildingForms.h"

#include <cmath>

namespace sampledata {

namespace {

double RoundedToHundredths(double value) { return std::floor(value * 100.0 + 0.5) / 100.0; }

// The floor area of a floor above ground (1 the first): the building area on the first floor,
// nine tenths of it on the floors above.
double FloorArea(const SampleProject& project, int floor)
{
    return floor == 1 ? project.buildingArea : RoundedToHundredths(project.buildingArea * 0.9);
}

double TotalFloorArea(const SampleProject& project)
{
    double total = 0.0;
    for (int floor = 1; floor <= project.floorsAbove; ++floor)
        total += FloorArea(project, floor);
    return RoundedToHundredths(total);
}

ZnModelArea AppliedArea(double area)
{
    ZnModelArea result;
    result.m_appPart = area;
    return result;
}

ZnModelAppStrKind MainStructure(const SampleProject& project)
{
    ZnModelAppStrKind kind;
    kind.m_strKindCode = MakeCode<ZnModelMainStrKindCode>(project.structureCode);
    kind.m_text = project.structureText;
    return kind;
}

ZnModelInspDate SpecifiedStage(const SampleProject& project)
{
    ZnModelInspDate stage;
    if (project.specifiedStage) {
        stage.m_count = 1;
        stage.m_date = HeiseiDate(2010, 12, 10);
        stage.m_name = project.specifiedStage;
    }
    return stage;
}

ZnModelAppSiteArea SiteArea(const SampleProject& project)
{
    ZnModelAppEachZone zone;
    zone.m_useZoneCode = MakeCode<ZnModelUseZoneCode>(project.useZoneCode);
    zone.m_area = project.siteArea;
    zone.m_area2Omitted = 1;
    zone.m_designatedFloorAreaRatio = 200.0;
    zone.m_coverageRatio = 60.0;
    ZnModelAppSiteArea siteArea;
    siteArea.m_zoneList.AddCopy(zone);
    siteArea.m_buildableFloorAreaRatio = RoundedToHundredths(project.siteArea * 2.0);
    siteArea.m_buildableCoverageRatio = RoundedToHundredths(project.siteArea * 0.6);
    return siteArea;
}

// 第三面: the site in a quasi-fire zone of the urbanisation area, one use zone, new
// construction of one building.
ZnModelAppSitePage MakeSitePage(const SampleProject& project)
{
    ZnModelAppSitePage page;
    page.m_lotAddress = LotAddress(project);
    page.m_displayAddress = DisplayAddress(project);
    page.SetUrbanPlanKind("00701");
    page.m_urbanAreaCode = MakeCode<ZnModelUrbanAreaCode>("00801");
    page.SetFireZone("00602");
    page.m_otherZoneText = "第二種高度地区";
    page.m_roadWidth = 6.0;
    page.m_roadFrontage = 12.5;
    page.m_siteArea = SiteArea(project);
    page.m_mainUsageCode = MakeCode<ZnModelUsageCode>(project.usageCode);
    page.m_mainUsageText = project.usageText;
    page.SetConstKind("01601");
    page.m_buildingArea = AppliedArea(project.buildingArea);
    page.m_totalFloorArea.m_whole = AppliedArea(TotalFloorArea(project));
    page.m_appBuildingCount = 1;
    page.m_appMaxHeight = project.height;
    page.m_appFloorsAbove = project.floorsAbove;
    page.m_appFloorsBelow = project.floorsBelow;
    page.m_mainStrKind = MainStructure(project);
    page.m_constStartDate = PlannedStart();
    page.m_constEndDate = PlannedEnd();
    page.m_specStageDate = SpecifiedStage(project);
    return page;
}

ZnModelAppFloorOutline Floor(const SampleProject& project, int floor)
{
    ZnModelAppUseFloorArea use;
    use.m_usageCode = MakeCode<ZnModelUsageCode>(project.usageCode);
    use.m_text = project.usageText;
    use.m_floorArea = FloorArea(project, floor);
    ZnModelAppFloorOutline outline;
    outline.m_floorText.Format("F%d", floor);
    outline.m_floorArea = AppliedArea(use.m_floorArea);
    outline.m_floorHeight = 2900;
    outline.m_ceilingHeight = 2400;
    outline.m_useFloorAreaList.AddCopy(use);
    return outline;
}

// 第四面: the one building of the project with its floors.
ZnModelAppBuildPage MakeBuildPage(const SampleProject& project)
{
    ZnModelAppBuildPage page;
    page.m_buildingNumber = 1;
    page.m_designer = MakeArchitect(project.designer);
    page.m_equipDesigner = MakeEquipAdviser();
    page.m_supervisor = MakeArchitect(project.designer);
    page.m_constructor = MakeConstructor(project.builder);
    ZnModelAppUsage usage;
    usage.m_usageCode = MakeCode<ZnModelUsageCode>(project.usageCode);
    usage.m_text = project.usageText;
    page.m_usageList.AddCopy(usage);
    page.SetConstKind("01601");
    page.m_strKind = MainStructure(project);
    page.m_fireProofCode = MakeCode<ZnModelFireProofCode>(project.floorsAbove >= 4 ? "02501" : "02502");
    page.m_floorsAboveGround = project.floorsAbove;
    page.m_floorsBelowGround = project.floorsBelow;
    page.m_maxHeight = project.height;
    page.m_maxEavesHeight = project.height - 1.5;
    page.m_equipKinds = "給排水衛生設備、電気設備、換気設備";
    page.m_confException.SetApplyByCode("03600");
    page.m_roof = "ガルバリウム鋼板葺";
    page.m_outerWall = "窯業系サイディング張り";
    page.m_eaves = "けい酸カルシウム板張り";
    page.m_roomFloorHeight = 450;
    page.m_toiletKind = "水洗";
    for (int floor = 1; floor <= project.floorsAbove; ++floor)
        page.m_floorOutlineList.AddCopy(Floor(project, floor));
    return page;
}

void FillBuilding(ZnModelAppBuild& building, const ZnModelApp& root, const SampleProject& project)
{
    static_cast<ZnModelApp&>(building) = root;
    building.m_designer = MakeArchitect(project.designer);
    building.m_designerText = building.m_designer.m_architectName.m_name;
    building.m_equipDesigner = MakeEquipAdviser();
    building.m_supervisor = MakeArchitect(project.designer);
    building.m_constructor = MakeConstructor(project.builder);
    building.m_name = ProjectName(project);
    building.m_sitePage = MakeSitePage(project);
    building.m_buildPageList.AddCopy(MakeBuildPage(project));
}

// The people, the building and the confirmation that both inspections repeat; the inspection
// rests on the project's confirmation application.
void FillInspection(ZnModelAppInspConf& inspection, const ZnModelApp& root, const SampleProject& project)
{
    static_cast<ZnModelApp&>(inspection) = root;
    inspection.m_designer = MakeArchitect(project.designer);
    inspection.m_equipAdviser = MakeEquipAdviser();
    inspection.m_supervisor = MakeArchitect(project.designer);
    inspection.m_constructor = MakeConstructor(project.builder);
    inspection.m_buildingName = ProjectName(project);
    inspection.m_siteLot = LotAddress(project);
    inspection.m_siteDisplay = DisplayAddress(project);
    inspection.SetConstKind("01601");
    inspection.m_confCert = ProjectConfirmation(project);
    inspection.m_startDate = PlannedStart();
    inspection.m_inspArea = TotalFloorArea(project);
    inspection.m_baseApp.Reset(new ZnModelAppBuildConf(MakeBuildingConf(root, project)));
}

} // namespace

ZnModelAppBuildConf MakeBuildingConf(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppBuildConf conf;
    FillBuilding(conf, root, project);
    return conf;
}

ZnModelAppBuildMod MakeBuildingMod(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppBuildMod mod;
    FillBuilding(mod, root, project);
    mod.m_prevConfNum = ProjectConfirmation(project);
    mod.m_planChangeSummary = "外壁仕上げの変更及び２階床面積の変更";
    mod.m_sitePage.m_changeSummary = mod.m_planChangeSummary;
    ZnModelAppBuildPage& page = *mod.m_buildPageList.GetHead();
    page.m_outerWall = "モルタル下地リシン吹付";
    page.m_changeSummary = mod.m_planChangeSummary;
    return mod;
}

ZnModelAppRegInspConf MakeInterimInspection(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppRegInspConf inspection;
    FillInspection(inspection, root, project);
    inspection.m_endDate = PlannedEnd();
    inspection.m_stage = SpecifiedStage(project);
    return inspection;
}

ZnModelAppCompInspConf MakeCompletionInspection(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppCompInspConf inspection;
    FillInspection(inspection, root, project);
    inspection.m_endDate = HeiseiDate(2011, 9, 20);
    if (project.specifiedStage) {
        inspection.m_pastInsp.m_count = 1;
        inspection.m_pastInsp.m_stageName = project.specifiedStage;
        inspection.m_pastInsp.m_certificate =
            MakeNum("第H22中間建築00456号", HeiseiDate(2010, 12, 15), project.destination);
    }
    inspection.m_buildPageList.AddCopy(MakeBuildPage(project));
    return inspection;
}

} // namespace sampledata
