#include "model/ZnModelAppBuildConf.h"
#include "model/ZnModelAppBuildMod.h"
#include "model/ZnModelDocKinds.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>

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

// The pages, persons and lists of the document fixtures, as read back.
void ExpectSampleBuilding(const ZnModelAppBuild& build)
{
    EXPECT_EQ(CString("D"), build.GetApplyTo());
    EXPECT_EQ(CString("Sato"), build.GetDesigner().GetName().GetName());
    EXPECT_EQ(CString("E1"), build.GetEquipDesigner().GetRegistrationNumber());
    EXPECT_EQ(CString("13"), build.GetConstructor().GetCode().GetCode());
    EXPECT_EQ(CString("BR"), build.GetName().GetFurigana());
    ASSERT_EQ(2, build.GetBuildPageList().GetCount());
    const ZnModelAppBuildPage* first = build.GetBuildPageList().GetAtIndex(0);
    ASSERT_EQ(2, first->GetUsageList().GetCount());
    EXPECT_EQ(CString("Shop"), first->GetUsageList().GetAtIndex(1)->GetText());
    ASSERT_EQ(2, first->GetFloorOutlineList().GetCount());
    EXPECT_EQ(40.5, first->GetFloorOutlineList().GetHead()->GetUseFloorAreaList().GetHead()->GetFloorArea());
    EXPECT_EQ(CString("om"), first->GetFloorOutlineList().GetAtIndex(1)->GetOtherMatters());
    EXPECT_EQ(1.5, first->m_extraValue);
    const ZnModelAppBuildPage* second = build.GetBuildPageList().GetAtIndex(1);
    EXPECT_EQ(0, second->GetConfException().GetNoException());
    EXPECT_EQ(CString("S"), second->GetStrKindList().GetHead()->GetText());
    ASSERT_EQ(1, build.GetDesignerList().GetCount());
    EXPECT_EQ(CString("Ito"), build.GetDesignerList().GetHead()->GetName().GetName());
    EXPECT_EQ(0, build.GetEquipDesignerList().GetCount());
    EXPECT_EQ(CString("Kan"), build.GetSupervisorList().GetHead()->GetName().GetName());
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
    EXPECT_EQ(Hex(Fixture("build_conf_document.hex")), Hex(Store(document)));

    modeltest::Document<100001> read;
    Load(read, Fixture("build_conf_document.hex"));
    ExpectSampleBuilding(read.Slot<ZnModelAppBuild>(1));
    const auto& readConf = read.Slot<ZnModelAppBuildConf>(2);
    ExpectSampleBuilding(readConf);
    ASSERT_EQ(1, readConf.GetWith().GetEquipList().GetCount());
    EXPECT_EQ(CString("E1"), readConf.GetWith().GetEquipList().GetHead()->GetText1());
    EXPECT_EQ(Hex(Fixture("build_conf_document.hex")), Hex(Store(read)));
}

TEST(BuildingDocuments, PlanChangeDocumentStoresThePreviousConfirmationAfterTheBuilding)
{
    modeltest::Document<100301> document;
    document.Slot<ZnModelApp>(0).m_submissionDestination = "D";
    FillBuilding(document.Slot<ZnModelAppBuild>(1));
    auto& mod = document.Slot<ZnModelAppBuildMod>(2);
    FillBuilding(mod);
    ZnModelNum previous;
    previous.SetNumber("K-7");
    previous.m_date.SetDateString("02320401");
    previous.SetFurtherText("City");
    mod.m_prevConfNum = previous;
    mod.SetPlanChangeSummary("PC");
    EXPECT_EQ(Hex(Fixture("build_mod_document.hex")), Hex(Store(document)));

    modeltest::Document<100301> read;
    Load(read, Fixture("build_mod_document.hex"));
    const auto& readMod = read.Slot<ZnModelAppBuildMod>(2);
    ExpectSampleBuilding(readMod);
    EXPECT_EQ(CString("K-7"), readMod.GetPrevConfNum().GetNumber());
    EXPECT_EQ(CString("02320401"), readMod.GetPrevConfNum().GetDate().GetDateString());
    EXPECT_EQ(CString("City"), readMod.GetPrevConfNum().GetFurtherText());
    EXPECT_EQ(CString("PC"), readMod.GetPlanChangeSummary());
    EXPECT_EQ(Hex(Fixture("build_mod_document.hex")), Hex(Store(read)));
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

TEST(BuildingDocuments, CopiesAndAssignmentsOwnSeparateElements)
{
    ZnModelAppBuildConf conf;
    FillBuilding(conf);
    conf.m_with.m_equipList.AddCopy(ZnModelEquip());
    std::unique_ptr<ZnModel> clone(conf.Clone());
    auto* copy = dynamic_cast<ZnModelAppBuildConf*>(clone.get());
    ASSERT_NE(nullptr, copy);
    EXPECT_EQ(Store(conf), Store(*copy));
    EXPECT_NE(conf.GetBuildPageList().GetHead(), copy->GetBuildPageList().GetHead());
    EXPECT_NE(conf.GetBuildPageList().GetHead()->GetUsageList().GetHead(),
              copy->GetBuildPageList().GetHead()->GetUsageList().GetHead());

    // Assignment of the building part: the Conf's own record stays, the lists are rebuilt.
    ZnModelAppBuild target;
    target.SetBuildPageList(ZnModelAppBuildPageList());
    target.m_designerList.AddCopy(MakeDesigner("Old"));
    target = conf;
    EXPECT_EQ(2, target.GetBuildPageList().GetCount());
    EXPECT_EQ(CString("Ito"), target.GetDesignerList().GetHead()->GetName().GetName());
    EXPECT_NE(conf.GetDesignerList().GetHead(), target.GetDesignerList().GetHead());
    const ZnModelAppBuild& self = target;
    target = self;
    EXPECT_EQ(2, target.GetBuildPageList().GetCount());

    target.SetBuildPageList(ZnModelAppBuildPageList());
    EXPECT_EQ(0, target.GetBuildPageList().GetCount());
}
