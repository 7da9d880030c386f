#include "model/ZnModelAppExcept.h"
#include "model/ZnModelAppWith.h"
#include "model/ZnModelArea.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelDesigner.h"
#include "model/ZnModelEquipDesigner.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelStructConstKind.h"
#include "tests/model/ModelTestSupport.h"

using modeltest::ExpectStoredAndLoaded;
using modeltest::Fixture;
using modeltest::Load;
using modeltest::Store;
using testsupport::Hex;

namespace {

ZnModelEquipDesigner MakeSampleAdviser()
{
    ZnModelEquipDesigner adviser;
    adviser.m_name.m_name = "Ito";
    adviser.m_individualData.m_name.m_name = "Work";
    adviser.SetRegistrationNumber("R-5");
    adviser.SetDesignDocs("D");
    return adviser;
}

ZnModelLift MakeSampleLift()
{
    ZnModelLift lift;
    lift.SetLeadingValue(4);
    lift.m_kindCode.SetCode("1");
    lift.SetKindText("KT");
    lift.m_usageCode.SetCode("2");
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

// Each part record stores the bytes of its hand-worked fixture, and the fixture loaded into a
// record that holds other values stores the same bytes again.
TEST(PartRecords, StoreTheirFixturesAndLoadThemBack)
{
    ZnModelEquipDesigner adviser = MakeSampleAdviser();
    ZnModelEquipDesigner adviserRead;
    ExpectStoredAndLoaded(adviser, adviserRead, "equip_designer.hex");

    ZnModelConstructor constructor;
    constructor.m_name.m_name = "Kato";
    constructor.m_licenceIssuer.SetCode("00");
    constructor.SetText("K-1");
    constructor.m_individualData.m_name.m_name = "Shop";
    ZnModelConstructor constructorRead = constructor;
    constructorRead.SetText("other");
    ExpectStoredAndLoaded(constructor, constructorRead, "constructor.hex");

    ZnModelInspDate stage;
    stage.SetCount(2);
    stage.m_date.SetEraDate(31, 5, 1, 4);
    stage.SetName("Base");
    ZnModelInspDate stageRead;
    ExpectStoredAndLoaded(stage, stageRead, "insp_date.hex");

    ZnModelArea area;
    EXPECT_EQ(0.0, area.GetTotal());
    area.SetAppPart(12.5);
    area.SetOtherPart(7.25);
    EXPECT_EQ(19.75, area.GetTotal());
    ZnModelArea areaRead;
    ExpectStoredAndLoaded(area, areaRead, "area.hex");

    ZnModelStructConstKind kind;
    kind.m_constKindCode.SetCode("01601");
    kind.SetText("KK");
    ZnModelStructConstKind kindRead;
    ExpectStoredAndLoaded(kind, kindRead, "struct_const_kind.hex");

    // The four lists in order; a list held before and stored empty ends empty.
    ZnModelAppWith with;
    with.m_liftList.AddCopy(MakeSampleLift());
    ZnModelEquip equip;
    equip.SetLeadingValue(5);
    equip.SetText1("E1");
    equip.SetText2("E2");
    with.m_equipList.AddCopy(equip);
    with.m_structList.AddCopy(MakeSampleStruct());
    ZnModelAppWith withRead;
    withRead.SetLiftList2(with.m_liftList);
    ExpectStoredAndLoaded(with, withRead, "app_with.hex");
}

// The first layout of the adviser has no registration number and design documents; stored again
// it takes the current layout: schema 257 and two empty strings at the end.
TEST(ZnModelEquipDesigner, LoadsTheFirstLayoutWithoutItsTexts)
{
    ZnModelEquipDesigner read = MakeSampleAdviser();
    Load(read, Fixture("equip_designer_v256.hex"));
    EXPECT_EQ(CString(""), read.GetRegistrationNumber());
    EXPECT_EQ(CString(""), read.GetDesignDocs());
    std::string expected = Fixture("equip_designer_v256.hex");
    expected[2] = 0x01;
    expected += std::string(2, '\0');
    EXPECT_EQ(Hex(expected), Hex(Store(read)));
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
    ZnModelAppExcept read;
    ExpectStoredAndLoaded(except, read, "app_except.hex");
}
