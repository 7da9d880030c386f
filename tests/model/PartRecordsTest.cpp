#include "model/ZnModelAppExcept.h"
#include "model/ZnModelAppWith.h"
#include "model/ZnModelArea.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelEquipDesigner.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelStructConstKind.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>

using modeltest::Fixture;
using modeltest::Load;
using modeltest::Store;
using testsupport::Hex;

namespace {

ZnModelEquipDesigner MakeSampleAdviser()
{
    ZnModelEquipDesigner adviser;
    JkModelName name;
    name.m_name = "Ito";
    adviser.SetName(name);
    JkModelIndividualData workplace;
    workplace.m_name.m_name = "Work";
    adviser.SetIndividualData(workplace);
    adviser.SetRegistrationNumber("R-5");
    adviser.SetDesignDocs("D");
    return adviser;
}

ZnModelLift MakeSampleLift()
{
    ZnModelLift lift;
    lift.SetLeadingValue(4);
    ZnModelLiftKindCode kind;
    kind.SetCode("1");
    lift.SetKindCode(kind);
    lift.SetKindText("KT");
    ZnModelLiftUsageCode usage;
    usage.SetCode("2");
    lift.SetUsageCode(usage);
    lift.SetUsageText("UT");
    lift.SetLoadCapacity(600.0);
    lift.SetMaxPersons(9);
    lift.SetRatedSpeed(45.0);
    lift.SetOtherMatters("OM");
    return lift;
}

ZnModelStruct MakeSampleStruct()
{
    ZnModelStruct structure;
    structure.SetLeadingValue(6);
    structure.m_kindCode.SetCode("3");
    structure.SetKindText("ST");
    structure.SetValue(12.5);
    structure.SetStructureDetail("RC");
    structure.SetConstKind("01601", "N");
    structure.SetConstKind("01699", "O");
    structure.SetNote("R");
    return structure;
}

} // namespace

TEST(ZnModelEquipDesigner, StoresSchema257AndLoadsTheFirstLayoutWithoutItsTexts)
{
    ZnModelEquipDesigner adviser = MakeSampleAdviser();
    EXPECT_EQ(Hex(Fixture("equip_designer.hex")), Hex(Store(adviser)));

    ZnModelEquipDesigner read;
    Load(read, Fixture("equip_designer.hex"));
    EXPECT_EQ(CString("Ito"), read.GetName().GetName());
    EXPECT_EQ(CString("Work"), read.GetIndividualData().GetName().GetName());
    EXPECT_EQ(CString("R-5"), read.GetRegistrationNumber());
    EXPECT_EQ(CString("D"), read.GetDesignDocs());

    Load(read, Fixture("equip_designer_v256.hex"));
    EXPECT_EQ(CString("Ito"), read.GetName().GetName());
    EXPECT_EQ(CString(""), read.GetRegistrationNumber());
    EXPECT_EQ(CString(""), read.GetDesignDocs());
    // Stored again it takes the current layout: schema 257 and two empty strings at the end.
    std::string expected = Fixture("equip_designer_v256.hex");
    expected[2] = 0x01;
    expected += std::string(2, '\0');
    EXPECT_EQ(Hex(expected), Hex(Store(read)));
}

TEST(ZnModelConstructor, StoresNameIssuerOfficeAndNumber)
{
    ZnModelConstructor constructor;
    JkModelName name;
    name.m_name = "Kato";
    constructor.SetName(name);
    ZnModelRegistInstCode issuer;
    issuer.SetCode("00");
    constructor.SetCode(issuer);
    constructor.SetText("K-1");
    JkModelIndividualData office;
    office.m_name.m_name = "Shop";
    constructor.SetIndividualData(office);
    EXPECT_EQ(Hex(Fixture("constructor.hex")), Hex(Store(constructor)));

    ZnModelConstructor copy(constructor);
    EXPECT_NE(constructor.GetSerialId(), copy.GetSerialId());
    EXPECT_EQ(CString("00"), copy.GetCode().GetCode());
    EXPECT_EQ(CString("K-1"), copy.GetText());
    EXPECT_EQ(CString("Shop"), copy.GetIndividualData().GetName().GetName());

    ZnModelConstructor read;
    Load(read, Fixture("constructor.hex"));
    EXPECT_EQ(Store(constructor), Store(read));
}

TEST(ZnModelInspDate, StoresDateCountAndName)
{
    ZnModelInspDate stage;
    stage.SetCount(2);
    ZnModelDate date;
    date.SetEraDate(31, 5, 1, 4);
    stage.SetDate(date);
    stage.SetName("Base");
    EXPECT_EQ(Hex(Fixture("insp_date.hex")), Hex(Store(stage)));

    ZnModelInspDate read;
    Load(read, Fixture("insp_date.hex"));
    EXPECT_EQ(2, read.GetCount());
    EXPECT_EQ(CString("02310501"), read.GetDate().GetDateString());
    EXPECT_EQ(CString("Base"), read.GetName());
}

TEST(ZnModelArea, StoresBothPartsAndTotalsThem)
{
    ZnModelArea area;
    EXPECT_EQ(0.0, area.GetTotal());
    area.SetAppPart(12.5);
    area.SetOtherPart(7.25);
    EXPECT_EQ(19.75, area.GetTotal());
    EXPECT_EQ(Hex(Fixture("area.hex")), Hex(Store(area)));

    ZnModelArea read;
    Load(read, Fixture("area.hex"));
    EXPECT_EQ(12.5, read.GetAppPart());
    EXPECT_EQ(7.25, read.GetOtherPart());
}

TEST(ZnModelAppWith, StoresItsFourListsInOrder)
{
    ZnModelLiftList lifts;
    lifts.AddCopy(MakeSampleLift());
    ZnModelEquip equip;
    equip.SetLeadingValue(5);
    equip.SetText1("E1");
    equip.SetText2("E2");
    ZnModelEquipList equipment;
    equipment.AddCopy(equip);
    ZnModelStructList structures;
    structures.AddCopy(MakeSampleStruct());
    ZnModelAppWith with;
    with.SetLiftList(lifts);
    with.SetEquipList(equipment);
    with.SetStructList(structures);
    EXPECT_EQ(Hex(Fixture("app_with.hex")), Hex(Store(with)));

    ZnModelAppWith read;
    read.SetLiftList2(lifts);
    Load(read, Fixture("app_with.hex"));
    EXPECT_TRUE(read.GetLiftList2().IsEmpty());
    ASSERT_EQ(1, read.GetLiftList().GetCount());
    const ZnModelLift* lift = read.GetLiftList().GetHead();
    EXPECT_EQ(600.0, lift->GetLoadCapacity());
    EXPECT_EQ(9, lift->GetMaxPersons());
    EXPECT_EQ(45.0, lift->GetRatedSpeed());
    EXPECT_EQ(CString("OM"), lift->GetOtherMatters());
    ASSERT_EQ(1, read.GetStructList().GetCount());
    EXPECT_EQ(CString("O"), read.GetStructList().GetHead()->GetOtherKindText());
    EXPECT_EQ(Store(with), Store(read));
}

TEST(ZnModelStruct, SetConstKindSetsOnlyTheNamedKind)
{
    ZnModelStruct structure;
    std::string before = Store(structure);
    structure.SetConstKind("01604", "x");
    structure.SetConstKind(nullptr, "x");
    EXPECT_EQ(before, Store(structure));

    structure.SetConstKind("01699", "other");
    EXPECT_EQ(1, structure.m_otherKind);
    EXPECT_EQ(CString("other"), structure.m_otherKindText);
    EXPECT_EQ(0, structure.m_newBuild + structure.m_extension + structure.m_rebuild);

    structure.SetConstKind("01602", "ext");
    structure.SetConstKind("01603", "re");
    structure.SetConstKind("01601", nullptr);
    EXPECT_EQ(1, structure.m_otherKind); // never cleared
    EXPECT_EQ(1, structure.m_extension);
    EXPECT_EQ(CString("re"), structure.m_rebuildText);
    EXPECT_EQ(1, structure.m_newBuild);
    EXPECT_EQ(CString(""), structure.m_newBuildText);
}

TEST(ZnModelAppExcept, ApplyCodeSetsTheFlagAndStoredFormFollowsTheCode)
{
    ZnModelAppExcept except;
    EXPECT_EQ(1, except.GetNoException());
    except.SetApplyByCode("03601");
    EXPECT_EQ(0, except.GetNoException());
    except.SetApplyByCode("03602");
    except.SetApplyByCode(nullptr);
    EXPECT_EQ(0, except.GetNoException());
    except.SetApplyByCode("03600");
    EXPECT_EQ(1, except.GetNoException());

    except.SetApplyByCode("03601");
    except.m_buildingClassCode.SetCode("03701");
    except.SetText("T-1");
    EXPECT_EQ(Hex(Fixture("app_except.hex")), Hex(Store(except)));
    ZnModelAppExcept read;
    Load(read, Fixture("app_except.hex"));
    EXPECT_EQ(0, read.GetNoException());
    EXPECT_EQ(CString("03701"), read.GetBuildingClassCode().GetCode());
}

TEST(ZnModelStructConstKind, IsCreatedByNameAndStoresCodeAndText)
{
    std::unique_ptr<CObject> created(CRuntimeClass::FromName("ZnModelStructConstKind")->CreateObject());
    auto* kind = static_cast<ZnModelStructConstKind*>(created.get());
    ZnModelConstKindCode code;
    code.SetCode("01601");
    kind->SetConstKindCode(code);
    kind->SetText("KK");
    EXPECT_EQ(Hex(Fixture("struct_const_kind.hex")), Hex(Store(*kind)));
    ZnModelStructConstKind read;
    Load(read, Fixture("struct_const_kind.hex"));
    EXPECT_EQ(CString("KK"), read.GetText());
}
