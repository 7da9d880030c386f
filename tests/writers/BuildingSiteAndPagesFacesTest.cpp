// The faces of a building confirmation that describe the site and the buildings: the third,
// fourth and fifth faces and the lift and structure outline lists of the second face. Each case
// writes them into a file whose head and second-face frame the test writes itself, so that the
// file is a whole document, and compares it byte for byte with an expected file.
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestShellState.h"
#include "tests/support/TestSupport.h"
#include "tests/writers/SampleCodeTables.h"
#include "tests/writers/XmlCheck.h"

#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "platform/WinPath.h"
#include "platform/WinStdio.h"
#include "writers/ZnAppDocFDOut11.h"

using testsupport::ReadFileBytes;
using testsupport::TempFolder;

namespace {

const int confirmationDocType = 1000;
const int planChangeDocType = 1008;

// Small builders of model parts.

ZnModelArea Area(double appPart, double otherPart)
{
    ZnModelArea area;
    area.m_appPart = appPart;
    area.m_otherPart = otherPart;
    return area;
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

ZnModelAppFloorOutline* Floor(LPCTSTR designation, const ZnModelArea& area)
{
    ZnModelAppFloorOutline* floor = new ZnModelAppFloorOutline;
    floor->m_floorText = designation;
    floor->m_floorArea = area;
    return floor;
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
    first->m_changeSummary = "棟変更";
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

// A file for the faces and the shell whose active document they read.
class SiteAndBuildingFaces : public ::testing::Test {
protected:
    CString WinPath(LPCTSTR relative) const
    {
        return CString(LinuxPathToWin(m_folder.Path()).c_str()) + "\\" + relative;
    }
    std::string Written(LPCTSTR relative) const { return ReadFileBytes(WinPathToLinux(WinPath(relative))); }
    std::string Expected(const std::string& name) const
    {
        return ReadFileBytes(testsupport::DataPath("writers/" + name));
    }

    // Writes the document head and, for a confirmation, a second face holding only the outline
    // lists, then has the third, fourth and fifth faces appended: a whole document.
    void WriteFaces(LPCTSTR name, bool withOutlineLists)
    {
        FILE* file = WinFopen(WinPath(name), "w");
        ASSERT_TRUE(file);
        ZnAppDocFDOut11::WriteLiteral(file, "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<申請書データ>\n");
        if (withOutlineLists) {
            ZnAppDocFDOut11::WriteLiteral(file, "\t<第二面>\n");
            ZnAppDocFDOut11::WriteLiftOutlineList(file);
            ZnAppDocFDOut11::WriteLiteral(file, "\t</第二面>\n");
        }
        fclose(file);
        ZnAppDocFDOut11::WriteThirdFace(WinPath(name));
        ZnAppDocFDOut11::WriteFourthFace(WinPath(name));
        ZnAppDocFDOut11::WriteFifthFace(WinPath(name));
    }

    // Puts the building application and the document of the third slot into the active document.
    ZnModelAppBuild& UseDocument(int docType, ZnModel* subForm)
    {
        m_shell.docType = docType;
        m_shell.ReplaceModel(ZnShellState::appModelSlot, new ZnModelApp);
        ZnModelAppBuild* build = new ZnModelAppBuild;
        m_shell.ReplaceModel(ZnShellState::formModelSlot, build);
        m_shell.ReplaceModel(ZnShellState::subFormModelSlot, subForm);
        return *build;
    }

    TempFolder m_folder;
    testsupport::TestShellState m_shell;
    // The names of use zones, lifts and fire-resistance classes come from the sample code tables.
    SampleCodeTables m_codeTables{m_shell};
};

} // namespace

TEST_F(SiteAndBuildingFaces, ConfirmationWithEverythingFilled)
{
    ZnModelAppBuildConf* confirmation = new ZnModelAppBuildConf;
    FillAccompanying(confirmation->m_with);
    ZnModelAppBuild& build = UseDocument(confirmationDocType, confirmation);
    FillSitePage(build.m_sitePage);
    FillBuildingPages(build.m_buildPageList);

    WriteFaces("申請書データ.xml", true);
    std::string written = Written("申請書データ.xml");
    EXPECT_EQ(Expected("building_faces_confirmation.xml"), written);
    EXPECT_TRUE(xmlcheck::IsWellFormed(written));
}

TEST_F(SiteAndBuildingFaces, PlanChangeAddsTheChangeSummaries)
{
    ZnModelAppBuild& build = UseDocument(planChangeDocType, new ZnModelAppBuildMod);
    build.m_sitePage.m_changeSummary = "敷地\r\n変更";
    ZnModelAppBuildPage* page = new ZnModelAppBuildPage;
    page->m_buildingNumber = 3;
    page->m_changeSummary = "棟の\r\n変更";
    ZnModelAppFloorOutline* floor = Floor("F1", Area(0.0, 0.0));
    floor->m_text1 = "階の変更";
    page->m_floorOutlineList.AddTail(floor);
    build.m_buildPageList.AddTail(page);

    WriteFaces("申請書データ.xml", false);
    std::string written = Written("申請書データ.xml");
    EXPECT_EQ(Expected("building_faces_plan_change.xml"), written);
    EXPECT_TRUE(xmlcheck::IsWellFormed(written));
}

TEST_F(SiteAndBuildingFaces, EmptyConfirmationWritesEveryElementEmpty)
{
    UseDocument(confirmationDocType, new ZnModelAppBuildConf);

    WriteFaces("申請書データ.xml", true);
    std::string written = Written("申請書データ.xml");
    EXPECT_EQ(Expected("building_faces_empty.xml"), written);
    EXPECT_TRUE(xmlcheck::IsWellFormed(written));
}

TEST_F(SiteAndBuildingFaces, FaceThatCannotOpenItsFileSaysSoAndTheOthersStillWrite)
{
    UseDocument(confirmationDocType, new ZnModelAppBuildConf);
    RecordingUi ui;
    CString missing = WinPath("missing\\申請書データ.xml");
    ZnAppDocFDOut11::WriteThirdFace(missing);
    ZnAppDocFDOut11::WriteFourthFace(missing);
    ZnAppDocFDOut11::WriteFifthFace(missing);
    ASSERT_EQ(3u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes) {
        EXPECT_EQ("様式ファイルのオープン(" + missing + ")に失敗しました。", box.text);
        EXPECT_EQ(UINT(MB_ICONSTOP | MB_OK), box.type & (MB_ICONMASK | MB_TYPEMASK));
    }
    EXPECT_EQ("", Written("missing"));
}

TEST_F(SiteAndBuildingFaces, DocumentWithoutItsBuildingApplicationIsReportedAndNothingWritten)
{
    m_shell.docType = confirmationDocType;
    m_shell.ReplaceModel(ZnShellState::subFormModelSlot, new ZnModelApp);
    FILE* created = WinFopen(WinPath("faces.xml"), "w");
    ASSERT_TRUE(created);
    fclose(created);
    RecordingUi ui;
    ZnAppDocFDOut11::WriteThirdFace(WinPath("faces.xml"));
    ZnAppDocFDOut11::WriteFourthFace(WinPath("faces.xml"));
    ZnAppDocFDOut11::WriteFifthFace(WinPath("faces.xml"));
    FILE* file = WinFopen(WinPath("faces.xml"), "a");
    ASSERT_TRUE(file);
    ZnAppDocFDOut11::WriteLiftOutlineList(file);
    fclose(file);
    EXPECT_EQ(4u, ui.messageBoxes.size());
    for (const MessageBoxRequest& box : ui.messageBoxes)
        EXPECT_EQ(UINT(MB_ICONSTOP), box.type & MB_ICONMASK);
    EXPECT_EQ("", Written("faces.xml"));
}
