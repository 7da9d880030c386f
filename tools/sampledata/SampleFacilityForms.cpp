#include "tools/sampledata/SampleFacilityForms.h"

namespace sampledata {

namespace {

// The application root, and the designer and the constructor that every lift, equipment and
// structure application names.
void FillPersons(ZnModelAppPersons& application, const ZnModelApp& root, const SampleProject& project,
                 SampleBuilder builder)
{
    static_cast<ZnModelApp&>(application) = root;
    application.m_designer = MakeArchitect(project.designer);
    application.m_constructor = MakeConstructor(builder);
}

// The building in which a lift or equipment is installed, with its confirmation.
template <typename Installation>
void FillInstallation(Installation& application, const ZnModelApp& root, const SampleProject& project)
{
    FillPersons(application, root, project, builderInoue);
    application.m_address = LotAddress(project);
    application.m_name = ProjectName(project);
    application.m_usageText = project.usageText;
    application.m_confNum = ProjectConfirmation(project);
    application.m_constStartDate = PlannedStart();
    application.m_constEndDate = PlannedEnd();
}

// The structure with its site, name and construction period.
template <typename Structure>
void FillStructure(Structure& application, const ZnModelApp& root, const SampleProject& project)
{
    FillPersons(application, root, project, project.builder);
    application.m_lotAddress = LotAddress(project);
    application.m_displayAddress = DisplayAddress(project);
    application.m_name = ProjectName(project);
    application.m_constStartDate = PlannedStart();
    application.m_constEndDate = PlannedEnd();
}

ZnModelLift PassengerLift(double load, int persons)
{
    ZnModelLift lift;
    lift.m_leadingValue = 1;
    lift.m_kindCode = MakeCode<ZnModelLiftKindCode>("01101");
    lift.m_kindText = "エレベーター";
    lift.m_usageCode = MakeCode<ZnModelLiftUsageCode>("01201");
    lift.m_usageText = "乗用";
    lift.m_loadCapacity = load;
    lift.m_maxPersons = persons;
    lift.m_ratedSpeed = 60.0;
    lift.m_otherMatters = "ロープ式（機械室なし）";
    return lift;
}

void FillLift(ZnModelAppLift& application, const ZnModelApp& root, const SampleProject& project)
{
    FillInstallation(application, root, project);
    application.m_lift = PassengerLift(600.0, 9);
}

} // namespace

ZnModelAppLiftConf MakeLiftConf(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppLiftConf application;
    FillLift(application, root, project);
    return application;
}

ZnModelAppLiftMod MakeLiftMod(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppLiftMod application;
    FillLift(application, root, project);
    application.m_lift = PassengerLift(750.0, 11);
    application.m_prevConfNum = MakeNum("第H22確認昇降機00045号", HeiseiDate(2010, 6, 24), project.destination);
    application.m_planChangeSummary = "かごの大きさの変更（積載荷重600kgから750kgへ）";
    application.m_changeSummary = application.m_planChangeSummary;
    return application;
}

ZnModelAppEquipConf MakeEquipConf(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppEquipConf application;
    FillInstallation(application, root, project);
    application.m_equipOutline = "給水設備（加圧給水ポンプ方式）、排水設備、機械換気設備";
    application.m_note = "建築設備の種類：給排水設備、換気設備";
    return application;
}

ZnModelAppStructConf MakeStructConf(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppStructConf application;
    FillStructure(application, root, project);
    application.m_structure.m_leadingValue = 1;
    application.m_structure.m_kindCode = MakeCode<ZnModelStructKindCode>("03803");
    application.m_structure.m_kindText = "広告塔";
    application.m_structure.m_height = project.height;
    application.m_structure.m_structureDetail = project.structureText;
    application.m_structure.SetConstKind("01601", "");
    return application;
}

ZnModelAppSemiStrConf MakeSemiStrConf(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppSemiStrConf application;
    FillStructure(application, root, project);
    application.m_useZoneCodeList.AddCopy(MakeCode<ZnModelUseZoneCode>(project.useZoneCode));
    application.m_usageCode = MakeCode<ZnModelSemiStrUsageCode>("03901");
    application.m_usageText = project.usageText;
    application.m_height = project.height;
    application.SetConstKind("01601", "");
    application.m_buildArea.m_appPart = project.buildingArea;
    application.m_appStructCount = 1;
    return application;
}

ZnModelAppConstNotif MakeConstNotif(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppConstNotif notification;
    static_cast<ZnModelApp&>(notification) = root;
    notification.m_ownerType = MakeCode<ZnModelOwnerTypeCode>("04104");
    notification.m_ownerOcc = MakeCode<ZnModelOwnerOccCode>("04202");
    notification.m_siteAddress = LotAddress(project);
    notification.m_planArea = MakeCode<ZnModelAreaCode>("04301");
    notification.m_periodStart = PlannedStart();
    notification.m_periodEnd = PlannedEnd();
    notification.m_constKind = MakeCode<ZnModelConstCode>("01801");
    notification.m_mainUse.m_category = 1;
    notification.m_mainUse.m_usage = MakeCode<ZnModelConstUsageCode>("05601");

    ZnModelAppStrNotif building;
    building.m_number = 1;
    building.m_use = MakeCode<ZnModelStrUsageCode>("05701");
    building.m_multiUse = MakeCode<ZnModelMultiUsageCode>("04401");
    building.m_partStructure = MakeCode<ZnModelConstStrCode>("04503");
    building.m_area = project.buildingArea * project.floorsAbove;
    building.m_count1 = 1;
    building.m_count2 = project.floorsAbove;
    building.m_count3 = project.floorsBelow;
    building.m_housing1 = MakeCode<ZnModelNeoCode>("04601");
    building.m_housing2 = MakeCode<ZnModelFundCode>("07001");
    building.m_housing3 = MakeCode<ZnModelStructMethodCode>("04701");
    building.m_housing4 = MakeCode<ZnModelHouseTypeCode>("04804");
    building.m_housingCount1 = 40;
    building.m_housingArea1 = building.m_area;
    notification.m_buildings.AddCopy(building);
    notification.m_siteArea = project.siteArea;
    notification.m_supervisor = MakeArchitect(project.designer);
    return notification;
}

ZnModelAppDemNotif MakeDemNotif(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppDemNotif notification;
    static_cast<ZnModelApp&>(notification) = root;
    notification.m_contractor = MakeConstructor(project.builder);
    notification.m_place = LotAddress(project);
    notification.m_date = HeiseiDate(2010, 9, 20);
    notification.m_mainUse.m_category = 3;
    notification.m_mainUse.m_usage = MakeCode<ZnModelConstUsageCode>("05604");
    notification.m_cause = MakeCode<ZnModelCauseCode>("04901");
    notification.m_structure = MakeCode<ZnModelDemStrCode>("05001");
    notification.m_buildingCount = 1;
    notification.m_floorArea = 180.5;
    notification.m_value = 1200;
    return notification;
}

ZnModelAppSafeNotif MakeSafeNotif(const ZnModelApp& root, const SampleProject& project)
{
    ZnModelAppSafeNotif notification;
    static_cast<ZnModelApp&>(notification) = root;
    notification.m_buildingAddress = LotAddress(project);
    notification.m_buildingName = ProjectName(project);
    notification.m_text1 = project.usageText;
    notification.m_text2 = "増築";
    notification.m_mainStructure = MakeCode<ZnModelMainStrKindCode>(project.structureCode);
    notification.m_number1 = project.floorsAbove;
    notification.m_number2 = project.floorsBelow;
    notification.m_area1 = project.siteArea;
    notification.m_area2 = project.buildingArea;
    notification.m_area3 = project.buildingArea * project.floorsAbove;
    notification.m_plannedStart = PlannedStart();
    notification.m_plannedEnd = PlannedEnd();
    notification.m_useFrom = PlannedStart();
    notification.m_useTo = PlannedEnd();
    notification.m_confirmation = ProjectConfirmation(project);
    notification.m_remarks = "工事中も１階店舗部分の営業を継続する。";
    return notification;
}

} // namespace sampledata
