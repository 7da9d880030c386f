#include "tests/writers/BuildingApplicationSample.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "platform/files/WinPath.h"
#include "tests/support/SampleParties.h"
#include "tests/support/TestSupport.h"

#include <unistd.h>

namespace buildingsample {

using namespace sampleparties;

CString BuildingOutputTest::WinPath(LPCTSTR name) const
{
    return CString(LinuxPathToWin(m_folder.Path()).c_str()) + "\\" + name;
}

std::string BuildingOutputTest::Written(LPCTSTR name) const
{
    return testsupport::ReadFileBytes(WinPathToLinux(WinPath(name)));
}

bool BuildingOutputTest::Exists(LPCTSTR name) const { return access(WinPathToLinux(WinPath(name)).c_str(), F_OK) == 0; }

std::string BuildingOutputTest::Expected(const std::string& name)
{
    return testsupport::ReadFileBytes(testsupport::DataPath("writers/" + name));
}

namespace {

ZnModelEquipDesigner Adviser(LPCTSTR name, LPCTSTR registrationNumber, const PersonRow& workplace,
                             LPCTSTR designDocuments)
{
    ZnModelEquipDesigner adviser;
    adviser.m_name = Name(name, "");
    adviser.m_registrationNumber = registrationNumber;
    adviser.m_individualData = Person(workplace);
    adviser.m_designDocuments = designDocuments;
    return adviser;
}

ZnModelAppBuildPage Page(int number, const ZnModelConstructor& constructor)
{
    ZnModelAppBuildPage page;
    page.m_buildingNumber = number;
    page.m_constructor = constructor;
    return page;
}

const PersonRow noPerson = {};

// The agent, designers and supervisors: qualification class, issuer and number, name and reading;
// office class, issuer and number, office; design documents; structural and equipment statements.
// clang-format off
const ArchitectRow agentRow = {
    "101", "00200", "123456", "佐藤一郎", "", "302", "00413", "第5678号",
    {"佐藤設計事務所", "", "160", "0022", "東京都新宿区3-3", "03", "0000", "1111"},
    "代理者の図書", 1, 1, "S-0", 1, 1, "E-0"};
const ArchitectRow firstDesignerRow = {
    "301", "00213", "200001", "高橋次郎", "", "103", "00427", "E-1",
    {"高橋建築設計", "", "530", "0001", "大阪市北区4-4", "06", "2222", "3333"},
    "意匠図一式", 1, 0, "S-100", 0, 2, "E-200"};
const ArchitectRow secondDesignerRow = {
    "104", "", "", "田中三郎", "", "", "99999", "", noPerson,
    "構造図", 0, 2, "S-2", 0, 0, "E-2"};
const ArchitectRow thirdDesignerRow = {
    "102", "00200", "300003", "木村五郎", "", "101", "00413", "F-3",
    {"木村&設計", "", "100", "0002", "東京都千代田区5", "03", "4444", "5555"},
    "設備図", 1, 1, "S-3", 1, 0, "E-3"};
const ArchitectRow firstSupervisorRow = {
    "303", "00213", "400004", "渡辺四郎", "", "303", "00427", "G-4",
    {"渡辺監理", "", "980", "0001", "仙台市青葉区7", "022", "777", "8888"},
    "監理図書", 0, 0, "", 0, 0, ""};
const ArchitectRow secondSupervisorRow = {
    "301", "00200", "500005", "山本九郎", "", "301", "00413", "H-5",
    {"山本事務所", "", "100", "0003", "東京都千代田区8", "03", "9999", "0000"},
    "工事監理報告書", 1, 1, "S-5", 1, 1, "E-5"};
// clang-format on

// The constructors of the building pages: the application's own, one without a name and another.
const ZnModelConstructor firstConstructor =
    Constructor(Name("中村建設株式会社"), "00500", "(特-22)第100号",
                {"中村建設東京支店", "", "105", "0011", "東京都港区9-9", "03", "1111", "2222"});
const ZnModelConstructor namelessConstructor = Constructor(Name(""), "00511", "(般-23)第999号", noPerson);
const ZnModelConstructor otherConstructor =
    Constructor(Name("小林工務店"), "00511", "(般-23)第200号",
                {"小林工務店本社", "", "330", "0001", "さいたま市10", "048", "333", "4444"});

ZnModelArea Area(double appPart, double otherPart)
{
    ZnModelArea area;
    area.m_appPart = appPart;
    area.m_otherPart = otherPart;
    return area;
}

ZnModelAppFloorOutline* Floor(LPCTSTR designation, const ZnModelArea& area)
{
    ZnModelAppFloorOutline* floor = new ZnModelAppFloorOutline;
    floor->m_floorText = designation;
    floor->m_floorArea = area;
    return floor;
}

ZnModelAppEachZone* Zone(LPCTSTR code, double area, int area2Omitted, LPCTSTR areaText, double floorAreaRatio,
                         double coverageRatio)
{
    ZnModelAppEachZone* zone = new ZnModelAppEachZone;
    zone->m_useZoneCode.SetCode(code);
    zone->m_area = area;
    zone->m_area2Omitted = area2Omitted;
    zone->m_areaText = areaText;
    zone->m_designatedFloorAreaRatio = floorAreaRatio;
    zone->m_coverageRatio = coverageRatio;
    return zone;
}

// A stage without a date.
ZnModelInspDate* Stage(LPCTSTR name, int count)
{
    ZnModelInspDate* stage = new ZnModelInspDate;
    stage->m_name = name;
    stage->m_count = count;
    return stage;
}

ZnModelAppUsage* Usage(LPCTSTR code, LPCTSTR text)
{
    ZnModelAppUsage* usage = new ZnModelAppUsage;
    usage->m_usageCode.SetCode(code);
    usage->m_text = text;
    return usage;
}

ZnModelAppUseFloorArea* UseFloorArea(LPCTSTR code, LPCTSTR text, double area)
{
    ZnModelAppUseFloorArea* use = new ZnModelAppUseFloorArea;
    use->m_usageCode.SetCode(code);
    use->m_text = text;
    use->m_floorArea = area;
    return use;
}

// A site page with every block filled, zones and stages with absent, unused and partly empty
// entries among them.
void FillSitePage(ZnModelAppSitePage& site)
{
    site.m_lotAddress.m_address = "東京都千代田区霞が関一丁目１番";
    site.m_displayAddress.m_address = "霞が関一丁目1-1 & 2";
    site.m_urbanPlanKind = 2;
    site.m_urbanAreaCode.SetCode("00805");
    site.m_fireZone = 1;
    site.m_noFireZone = 1;
    site.m_otherZoneFlag1 = 1;
    site.m_otherZoneText = "第一種高度地区<北側>";
    site.m_roadWidth = 4.6;
    site.m_roadFrontage = 2.5;

    ZnModelAppEachZoneList& zones = site.m_siteArea.m_zoneList;
    zones.AddTail(Zone("00902", 123.456, 0, "120.5", 200.0, 60.0));
    zones.AddTail(nullptr);
    zones.AddTail(Zone("", 0.0, 0, "", 100.0, 50.0));
    zones.AddTail(Zone("00909", 0.0, 1, "50", 400.0, 80.0));
    zones.AddTail(Zone("00990", 0.001, 0, "-5", 0.0, 0.0));
    site.m_siteArea.m_buildableFloorAreaRatio = 199.999;
    site.m_siteArea.m_buildableCoverageRatio = 0.0;
    site.m_siteArea.m_text = "敷地の一部は\r\n道路予定地";

    site.m_mainUsageCode.SetCode("08010");
    site.m_mainUsageText = "一戸建ての住宅";
    site.m_constKind[1] = 1;
    site.m_constKind[4] = 1;
    site.m_constKind[6] = 1;
    site.m_buildingArea = Area(60.5, 20.25);
    site.m_totalFloorArea.m_whole = Area(150.0, 30.0);
    site.m_totalFloorArea.m_basementHousing = Area(10.0, 0.0);
    site.m_totalFloorArea.m_garage = Area(50.0, 0.0);
    site.m_totalFloorArea.m_housing = Area(120.0, 0.0);
    site.m_appBuildingCount = 2;
    site.m_appMaxHeight = 12.4;
    site.m_otherMaxHeight = 0.4;
    site.m_appFloorsAbove = 3;
    site.m_appFloorsBelow = 1;
    site.m_mainStrKind.m_strKindCode.SetCode("02401");
    site.m_mainStrKind.m_text = "在来軸組工法";
    site.m_tenkuritu.m_adjacentLimitExempt = 1;
    site.m_tenkuritu.m_roadLimitExempt = 1;
    site.m_permitText = "法第43条第1項\r\nただし書";
    site.m_constStartDate.SetEraDate(22, 4, 2, 4); // 平成22年: the western year is written
    site.m_specStageDate.m_name = "基礎配筋工事";
    site.m_specStageDate.m_count = 1;
    site.m_specStageDate.m_date.SetEraDate(2010, 5, 10, 0);
    site.m_specStageList.AddTail(Stage("二階床", 0));
    site.m_specStageList.AddTail(nullptr);
    site.m_specStageList.AddTail(Stage("", 0));
    site.m_otherMatters = "その他\r\n特になし";
    site.m_remarks = "a\r\nb";
    site.m_changeSummary = "敷地\r\n変更";
}

// Three building pages and an absent one: the first with everything filled, usages and floors
// with absent and unused entries, floors named by one character, by a double-byte character and
// by a letter and a number; the second with only unused usages and codes that have no name; the
// third as a new page leaves it.
void FillBuildingPages(ZnModelAppBuildPageList& pages)
{
    ZnModelAppBuildPage* first = new ZnModelAppBuildPage;
    first->m_buildingNumber = 1;
    first->m_usageList.AddTail(Usage("08010", "一戸建ての住宅"));
    first->m_usageList.AddTail(Usage("", "使わない行"));
    first->m_usageList.AddTail(nullptr);
    first->m_usageList.AddTail(Usage("08020", "長屋"));
    first->m_constKind[0] = 1;
    first->m_strKind.m_strKindCode.SetCode("02405");
    first->m_strKind.m_text = "壁式";
    first->m_fireProofCode.SetCode("02502");
    first->m_floorsAboveGround = 3;
    first->m_floorsBelowGround = 1;
    first->m_maxHeight = 9.5;
    first->m_maxEavesHeight = 8.49;
    first->m_equipKinds = "給排水設備";
    first->m_confException.m_noException = 0;
    first->m_confException.m_buildingClassCode.SetCode("03702");
    first->m_confException.m_text = "認定-123";
    first->m_certNumber = "CERT\r\n001";

    ZnModelAppFloorOutline* ground = Floor("F1", Area(50.125, 10.0));
    ground->m_columnDiameter = 120;
    ground->m_beamDistance = 2800;
    ground->m_floorHeight = 3000;
    ground->m_ceilingHeight = 2400;
    ground->m_useFloorAreaList.AddTail(UseFloorArea("08010", "住宅", 40.125));
    ground->m_useFloorAreaList.AddTail(UseFloorArea("", "x", 5.0));
    ground->m_useFloorAreaList.AddTail(nullptr);
    ground->m_useFloorAreaList.AddTail(UseFloorArea("08020", "物置&倉庫", 0.0));
    ground->m_otherMatters = "特記\r\nなし";
    ground->m_remarks = "床\r\n備考";
    ground->m_text1 = "F1変更\r\nあり";
    first->m_floorOutlineList.AddTail(ground);
    first->m_floorOutlineList.AddTail(Floor("Ｂ1", Area(0.0, 0.0)));
    first->m_floorOutlineList.AddTail(nullptr);
    ZnModelAppFloorOutline* roof = Floor("F", Area(20.0, 0.004));
    roof->m_useFloorAreaList.AddTail(UseFloorArea("", "", 3.0));
    first->m_floorOutlineList.AddTail(roof);

    first->m_roof = "瓦葺";
    first->m_outerWall = "モルタル塗";
    first->m_eaves = "ケイカル板";
    first->m_roomFloorHeight = 450;
    first->m_toiletKind = "水洗";
    first->m_text2 = "その他\r\n事項";
    first->m_remarks1 = "備考1";
    first->m_remarks2 = "備考\r\n2";
    first->m_remarks3 = "<3>";
    first->m_changeSummary = "棟の\r\n変更"; // its line break is kept
    pages.AddTail(first);
    pages.AddTail(nullptr);

    ZnModelAppBuildPage* second = new ZnModelAppBuildPage;
    second->m_buildingNumber = 2;
    second->m_usageList.AddTail(Usage("", "コードなし"));
    second->m_constKind[2] = 1;
    second->m_constKind[3] = 1;
    second->m_constKind[5] = 1;
    second->m_strKind.m_strKindCode.SetCode("99999");
    second->m_fireProofCode.SetCode("09999");
    ZnModelAppFloorOutline* mezzanine = Floor("M2", Area(5.0, 0.0));
    mezzanine->m_useFloorAreaList.AddTail(UseFloorArea("08990", "その他", 12.5));
    second->m_floorOutlineList.AddTail(mezzanine);
    pages.AddTail(second);

    pages.AddTail(new ZnModelAppBuildPage);
}

// Two lifts and two structures with an absent one in each list; the second lift with codes
// that have no name and figures that round to 1 and to 0, the second structure with flags that
// are set but not 1.
void FillAccompanying(ZnModelAppWith& with)
{
    ZnModelLift* passenger = new ZnModelLift;
    passenger->m_leadingValue = 7;
    passenger->m_kindCode.SetCode("01101");
    passenger->m_usageCode.SetCode("01201");
    passenger->m_ratedSpeed = 45.0;
    passenger->m_maxPersons = 8;
    passenger->m_loadCapacity = 600.0;
    passenger->m_otherMatters = "認定\r\n番号あり";
    with.m_liftList.AddTail(passenger);
    with.m_liftList.AddTail(nullptr);
    ZnModelLift* small = new ZnModelLift;
    small->m_leadingValue = 7;
    small->m_kindCode.SetCode("01999");
    small->m_ratedSpeed = 0.5;
    small->m_loadCapacity = 0.4;
    with.m_liftList.AddTail(small);

    ZnModelStruct* wall = new ZnModelStruct;
    wall->m_leadingValue = 5;
    wall->m_kindCode.SetCode("13001");
    wall->m_kindText = "擁壁";
    wall->m_height = 2.5;
    wall->m_structureDetail = "ＲＣ造";
    wall->m_newBuild = 1;
    wall->m_otherKind = 1;
    wall->m_otherKindText = "付帯工事";
    wall->m_remarks = "擁壁\r\n高さ2.5m";
    with.m_structList.AddTail(wall);
    with.m_structList.AddTail(nullptr);
    ZnModelStruct* chimney = new ZnModelStruct;
    chimney->m_leadingValue = 5;
    chimney->m_extension = 1;
    chimney->m_rebuild = 2;
    chimney->m_otherKindText = "書かれない";
    with.m_structList.AddTail(chimney);
}

} // namespace

ZnModelApp* PopulatedApp()
{
    ZnModelApp* app = new ZnModelApp;
    app->m_applicantName = Name("山田&太郎", "ヤマダタロウ");
    app->m_submissionDestination = "東京都建築主事";
    ZnModelNumGroup group;
    group.m_firstNumber = Number("R02-001", Date(2010, 4, 5));
    app->m_header.m_localData.m_buildingNumGroups.AddCopy(group);
    group.m_firstNumber = Number("R02-002", Date(2010, 5, 6));
    app->m_header.m_localData.m_buildingNumGroups.AddCopy(group);

    ZnModelOwner owner;
    owner.m_person = Person({"山田太郎", "ヤマダタロウ", "100", "0001", "東京都千代田区一丁目1", "03", "1234", "5678"});
    app->m_firstOwner = owner;
    owner.m_person = Person({"鈴木<花子>", "スズキハナコ", "150", "", "東京都渋谷区2-2", "", "", ""});
    app->m_furtherOwners.AddCopy(owner);
    app->m_furtherOwners.AddTail(nullptr);
    owner.m_person = Person({"株式会社'青空'", "", "", "", "横浜市中区3", "045", "", ""});
    app->m_furtherOwners.AddCopy(owner);

    // The agent's design documents and statements belong to no element of the agent.
    app->m_agent = Architect(agentRow);
    return app;
}

ZnModelAppBuild* PopulatedBuild()
{
    ZnModelAppBuild* build = new ZnModelAppBuild;
    build->m_designerText = "高橋次郎 ほか";
    build->m_designer = Architect(firstDesignerRow);
    build->m_designerList.AddCopy(Architect(secondDesignerRow));
    build->m_designerList.AddTail(nullptr);
    build->m_designerList.AddCopy(Architect(thirdDesignerRow));

    build->m_equipDesigner = Adviser(
        "伊藤六郎", "設備-1", {"伊藤設備", "", "460", "0001", "名古屋市中区6", "052", "666", "7777"}, "設備設計図");
    build->m_equipDesignerList.AddTail(nullptr);
    build->m_equipDesignerList.AddCopy(Adviser("加藤七子", "", noPerson, ""));
    build->m_equipDesignerList.AddCopy(
        Adviser("吉田八郎", "設備-3", {"吉田設備", "", "812", "", "福岡市9", "", "", ""}, "意見書"));

    build->m_supervisor = Architect(firstSupervisorRow);
    build->m_supervisorList.AddCopy(Architect(secondSupervisorRow));

    build->m_constructor = firstConstructor;
    // The first page's constructor is the application's own; the second page's has no name.
    build->m_buildPageList.AddCopy(Page(1, firstConstructor));
    build->m_buildPageList.AddCopy(Page(2, namelessConstructor));
    build->m_buildPageList.AddTail(nullptr);
    build->m_buildPageList.AddCopy(Page(3, otherConstructor));

    build->m_note = "一行目\r\n二行目\n三行目";
    build->m_name = Name("青空ビル", "アオゾラビル");
    return build;
}

namespace {

ZnModelAppBuildMod* PopulatedPlanChange()
{
    ZnModelAppBuildMod* planChange = new ZnModelAppBuildMod;
    planChange->m_planChangeSummary = "階段の位置を変更";
    planChange->m_prevConfNum = Number("第H22確認建築東京00123号", Date(2010, 6, 7), "東京都");
    return planChange;
}

// A confirmation with two lifts and two structures, an absent entry between each two.
ZnModelAppBuildConf* PopulatedConfirmation()
{
    ZnModelAppBuildConf* confirmation = new ZnModelAppBuildConf;
    ZnModelLift lift;
    lift.m_leadingValue = 7;
    lift.m_kindCode.SetCode("01101");
    lift.m_usageCode.SetCode("01201");
    lift.m_ratedSpeed = 45.5;
    lift.m_maxPersons = 8;
    lift.m_loadCapacity = 600.0;
    lift.m_otherMatters = "非常用\r\n兼用";
    confirmation->m_with.m_liftList.AddCopy(lift);
    confirmation->m_with.m_liftList.AddTail(nullptr);
    ZnModelLift emptyLift;
    emptyLift.m_ratedSpeed = 0.4;
    confirmation->m_with.m_liftList.AddCopy(emptyLift);

    ZnModelStruct structure;
    structure.m_leadingValue = 5;
    structure.m_kindCode.SetCode("01301");
    structure.m_kindText = "広告塔";
    structure.m_height = 12.5;
    structure.m_structureDetail = "鉄骨造";
    structure.SetConstKind("01601", "");
    structure.SetConstKind("01603", "");
    structure.SetConstKind("01699", "撤去");
    structure.m_remarks = "備考1\r\n備考2";
    confirmation->m_with.m_structList.AddCopy(structure);
    confirmation->m_with.m_structList.AddTail(nullptr);
    ZnModelStruct emptyStructure;
    emptyStructure.m_otherKindText = "その他ではない";
    confirmation->m_with.m_structList.AddCopy(emptyStructure);
    return confirmation;
}

// The kind object of the document type, populated or new: the plan change for 1008, else the
// confirmation.
ZnModel* KindObject(int docType, bool populated)
{
    if (docType == planChangeDocType)
        return populated ? PopulatedPlanChange() : new ZnModelAppBuildMod;
    return populated ? static_cast<ZnModel*>(PopulatedConfirmation()) : new ZnModelAppBuildConf;
}

void Install(testsupport::TestShellState& shell, int docType, ZnModelApp* app, ZnModelAppBuild* build,
             ZnModel* kindObject)
{
    shell.docType = docType;
    shell.ReplaceModel(ZnShellState::appModelSlot, app);
    shell.ReplaceModel(ZnShellState::formModelSlot, build);
    shell.ReplaceModel(ZnShellState::subFormModelSlot, kindObject);
}

} // namespace

void InstallPopulated(testsupport::TestShellState& shell, int docType)
{
    Install(shell, docType, PopulatedApp(), PopulatedBuild(), KindObject(docType, true));
}

void InstallWhole(testsupport::TestShellState& shell, int docType)
{
    ZnModelAppBuild* build = PopulatedBuild();
    FillSitePage(build->m_sitePage);
    // The filled pages (numbers 1, absent, 2 and 0) take the constructors of the populated pages.
    build->m_buildPageList.DeleteAll();
    FillBuildingPages(build->m_buildPageList);
    build->m_buildPageList.GetAtIndex(0)->m_constructor = firstConstructor;
    build->m_buildPageList.GetAtIndex(2)->m_constructor = namelessConstructor;
    build->m_buildPageList.GetAtIndex(3)->m_constructor = otherConstructor;

    ZnModel* kindObject = nullptr;
    if (docType == planChangeDocType) {
        kindObject = PopulatedPlanChange();
    } else {
        ZnModelAppBuildConf* confirmation = new ZnModelAppBuildConf;
        FillAccompanying(confirmation->m_with);
        kindObject = confirmation;
    }
    Install(shell, docType, PopulatedApp(), build, kindObject);
}

void InstallEmpty(testsupport::TestShellState& shell, int docType)
{
    Install(shell, docType, new ZnModelApp, new ZnModelAppBuild, KindObject(docType, false));
}

} // namespace buildingsample
