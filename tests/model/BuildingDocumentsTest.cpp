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

// Checks that document stores the fixture's bytes and that the fixture loaded into a fresh
// document of the same kind stores them again.
template <int Kind> void ExpectFixture(modeltest::Document<Kind>& document, const std::string& fixture)
{
    EXPECT_EQ(Hex(Fixture(fixture)), Hex(Store(document)));
    modeltest::Document<Kind> read;
    Load(read, Fixture(fixture));
    EXPECT_EQ(Hex(Fixture(fixture)), Hex(Store(read)));
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
    ExpectFixture(document, "build_conf_document.hex");
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
    ExpectFixture(document, "build_mod_document.hex");
}

TEST(BuildingDocuments, ADocumentInTheWrongSlotClassesIsABadClass)
{
    // A plan-change file opened as a confirmation: the third slot names another class.
    modeltest::Document<100001> read;
    EXPECT_TRUE(testsupport::ThrowsArchiveException([&] { Load(read, Fixture("build_mod_document.hex")); }));
}

TEST(BuildingDocuments, FirstLayoutCollectsTheFurtherPersonsFromThePagesAndStoresTheNewest)
{
    // The objects already hold pages and persons: the load replaces all of them.
    modeltest::Document<100001, 2> document;
    ZnModelAppBuild& build = document.Slot<ZnModelAppBuild>(1);
    FillBuilding(build);
    Load(document, Fixture("build_v256.hex"));

    ASSERT_EQ(3, build.GetBuildPageList().GetCount());
    EXPECT_EQ(0.0, build.GetBuildPageList().GetHead()->m_extraValue);
    auto names = [](const auto& list) {
        CString joined;
        for (POSITION pos = list.GetHeadPosition(); pos;)
            joined += list.GetNext(pos)->GetName().GetName() + ";";
        return joined;
    };
    // Page 2 has no designer and no supervisor, page 3 no adviser; the constructors stay on the pages.
    EXPECT_EQ(CString("D1;D3;"), names(build.GetDesignerList()));
    EXPECT_EQ(CString("A1;A2;"), names(build.GetEquipDesignerList()));
    EXPECT_EQ(CString("S1;S3;"), names(build.GetSupervisorList()));
    EXPECT_NE(build.GetBuildPageList().GetHead()->GetDesigner().GetSerialId(),
              build.GetDesignerList().GetHead()->GetSerialId());

    EXPECT_EQ(Hex(Fixture("build_v256_stored.hex")), Hex(Store(document)));
}
