#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "model/ZnModelDocKinds.h"
#include "tests/model/ModelTestSupport.h"

using modeltest::Fixture;
using modeltest::Load;
using modeltest::MakeDesigner;
using modeltest::Store;
using testsupport::Hex;

namespace {

ZnModelAppUsage MakeUsage(LPCTSTR code, LPCTSTR text)
{
    ZnModelAppUsage usage;
    usage.m_usageCode.SetCode(code);
    usage.SetText(text);
    return usage;
}

ZnModelAppFloorOutline MakeFloor(LPCTSTR floorText, double appPart, double otherPart)
{
    ZnModelAppFloorOutline floor;
    floor.SetFloorText(floorText);
    floor.m_floorArea.SetAppPart(appPart);
    floor.m_floorArea.SetOtherPart(otherPart);
    return floor;
}

// The first building page of the document fixtures.
ZnModelAppBuildPage MakeFirstPage()
{
    ZnModelAppBuildPage page;
    page.SetBuildingNumber(1);
    page.SetDesigner(MakeDesigner("Sato"));
    ZnModelAppUsageList usages;
    usages.AddCopy(MakeUsage("08010", "Home"));
    usages.AddCopy(MakeUsage("08020", "Shop"));
    page.SetUsageList(usages);
    page.SetConstKind("01601");
    page.m_strKind.m_strKindCode.SetCode("1");
    page.m_strKind.SetText("W");
    page.m_fireProofCode.SetCode("2");
    page.SetFloorsAboveGround(2);
    page.SetMaxHeight(7.0);
    page.SetMaxEavesHeight(6.5);
    page.SetRoof("R");
    page.SetOuterWall("OW");
    page.SetEaves("E");
    page.SetRoomFloorHeight(45);
    page.SetToiletKind("T");
    page.SetRemarks1("r1");

    ZnModelAppFloorOutline first = MakeFloor("1F", 50.5, 10.0);
    first.SetColumnDiameter(120);
    first.SetBeamDistance(2700);
    first.SetFloorHeight(2900);
    first.SetCeilingHeight(2400);
    ZnModelAppUseFloorArea home;
    home.m_usageCode.SetCode("08010");
    home.SetText("Home");
    home.SetFloorArea(40.5);
    ZnModelAppUseFloorAreaList areas;
    areas.AddCopy(home);
    first.SetUseFloorAreaList(areas);
    ZnModelAppFloorOutline second = MakeFloor("2F", 40.25, 0.0);
    second.SetOtherMatters("om");
    ZnModelAppFloorOutlineList floors;
    floors.AddCopy(first);
    floors.AddCopy(second);
    page.SetFloorOutlineList(floors);
    page.m_extraValue = 1.5;
    return page;
}

ZnModelAppBuildPage MakeSecondPage()
{
    ZnModelAppBuildPage page;
    page.SetBuildingNumber(2);
    ZnModelAppExcept exception;
    exception.SetApplyByCode("03601");
    exception.m_buildingClassCode.SetCode("5");
    exception.SetText("T-1");
    page.SetConfException(exception);
    ZnModelAppUsageList usages;
    usages.AddCopy(MakeUsage("08030", ""));
    page.SetUsageList(usages);
    ZnModelAppStrKind kind;
    kind.m_strKindCode.SetCode("3");
    kind.SetText("S");
    ZnModelAppStrKindList kinds;
    kinds.AddCopy(kind);
    page.SetStrKindList(kinds);
    ZnModelAppFloorOutlineList floors;
    floors.AddCopy(MakeFloor("1F", 12.5, 0.0));
    page.SetFloorOutlineList(floors);
    return page;
}

// Fills the application root and building fields of the document fixtures.
void FillBuilding(ZnModelAppBuild& build)
{
    build.m_submissionDestination = "D";
    build.m_designerText = "DT";
    build.SetDesigner(MakeDesigner("Sato"));
    ZnModelEquipDesigner adviser;
    adviser.m_name.m_name = "Eda";
    adviser.SetRegistrationNumber("E1");
    build.SetEquipDesigner(adviser);
    ZnModelConstructor constructor;
    constructor.m_name.m_name = "Koji";
    constructor.m_licenceIssuer.SetCode("13");
    constructor.SetText("K1");
    build.SetConstructor(constructor);
    build.SetNote("N");
    JkModelName name;
    name.m_name = "Bldg";
    name.m_nameReading = "BR";
    build.SetName(name);
    ZnModelAppBuildPageList pages;
    pages.AddCopy(MakeFirstPage());
    pages.AddCopy(MakeSecondPage());
    build.SetBuildPageList(pages);
    build.m_designerList.AddCopy(MakeDesigner("Ito"));
    build.m_supervisorList.AddCopy(MakeDesigner("Kan"));
}

} // namespace

TEST(BuildingDocuments, ConfirmationDocumentStoresItsSlotsInOrderAndLoadsBack)
{
    modeltest::Document<100001> document;
    document.Slot<ZnModelApp>(0).m_submissionDestination = "D";
    FillBuilding(document.Slot<ZnModelAppBuild>(1));
    auto& conf = document.Slot<ZnModelAppBuildConf>(2);
    FillBuilding(conf);
    ZnModelEquip equip;
    equip.SetLeadingValue(5);
    equip.SetText1("E1");
    conf.m_with.m_equipList.AddCopy(equip);
    modeltest::Document<100001> read;
    modeltest::ExpectStoredAndLoaded(document, read, "build_conf_document.hex");
}

TEST(BuildingDocuments, PlanChangeDocumentStoresThePreviousConfirmationAfterTheBuilding)
{
    modeltest::Document<100301> document;
    document.Slot<ZnModelApp>(0).m_submissionDestination = "D";
    FillBuilding(document.Slot<ZnModelAppBuild>(1));
    auto& mod = document.Slot<ZnModelAppBuildMod>(2);
    FillBuilding(mod);
    mod.m_prevConfNum.SetNumber("K-7");
    mod.m_prevConfNum.m_date.SetDateString("02320401");
    mod.m_prevConfNum.SetFurtherText("City");
    mod.SetPlanChangeSummary("PC");
    modeltest::Document<100301> read;
    modeltest::ExpectStoredAndLoaded(document, read, "build_mod_document.hex");
}

TEST(BuildingDocuments, ADocumentInTheWrongSlotClassesIsABadClass)
{
    // A plan-change file opened as a confirmation: the third slot names another class.
    modeltest::Document<100001> read;
    EXPECT_TRUE(testsupport::ThrowsArchiveException([&] { Load(read, Fixture("build_mod_document.hex")); }));
}

// The first layout kept the further designers, advisers and supervisors on the pages: loading
// collects them into the building's lists (page 2 has no designer and no supervisor, page 3 no
// adviser; the constructors stay on the pages), and the document stores in the newest layout.
// The objects already hold pages and persons: the load replaces all of them.
TEST(BuildingDocuments, FirstLayoutCollectsTheFurtherPersonsFromThePagesAndStoresTheNewest)
{
    modeltest::Document<100001, 2> document;
    FillBuilding(document.Slot<ZnModelAppBuild>(1));
    Load(document, Fixture("build_v256.hex"));
    EXPECT_EQ(Hex(Fixture("build_v256_stored.hex")), Hex(Store(document)));
}
