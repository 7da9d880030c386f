#include "model/ZnModelAppEquipConf.h"
#include "model/ZnModelAppEquipMod.h"
#include "model/ZnModelAppLiftConf.h"
#include "model/ZnModelAppLiftMod.h"
#include "model/ZnModelAppSemiStrConf.h"
#include "model/ZnModelAppSemiStrMod.h"
#include "model/ZnModelAppStrLiftConf.h"
#include "model/ZnModelAppStrLiftMod.h"
#include "model/ZnModelAppStructConf.h"
#include "model/ZnModelAppStructMod.h"
#include "tests/model/ModelTestSupport.h"

using modeltest::Document;
using modeltest::ExpectStoredAndLoaded;
using modeltest::Fixture;
using modeltest::Load;
using modeltest::MakeDesigner;
using modeltest::Store;
using testsupport::Hex;

namespace {

ZnModelConstructor MakeConstructor(LPCTSTR name, LPCTSTR issuer = "", LPCTSTR number = "")
{
    ZnModelConstructor constructor;
    constructor.m_name.m_name = name;
    constructor.m_licenceIssuer.SetCode(issuer);
    constructor.SetText(number);
    return constructor;
}

ZnModelNum MakeNum(LPCTSTR eraDate, LPCTSTR number, LPCTSTR issuer)
{
    ZnModelNum result;
    result.m_date.SetDateString(eraDate);
    result.SetNumber(number);
    result.SetFurtherText(issuer);
    return result;
}

ZnModelLift MakeLift(int leading, LPCTSTR kind, int maxPersons)
{
    ZnModelLift lift;
    lift.SetLeadingValue(leading);
    lift.m_kindCode.SetCode(kind);
    lift.SetMaxPersons(maxPersons);
    return lift;
}

// The fields of lift_mod_document.hex.
void FillLift(ZnModelAppLift& app)
{
    app.m_submissionDestination = "D";
    app.m_designer = MakeDesigner("Sato");
    app.m_constructor = MakeConstructor("Koji", "13", "K1");
    app.m_address.m_address = "A1";
    app.m_name.m_name = "Hall";
    app.m_name.m_nameReading = "HR";
    app.SetPrevConfNum(MakeNum("02300301", "B-1", "Ward"));
    app.m_lift = MakeLift(1, "1", 9);
    app.m_lift.m_usageCode.SetCode("2");
    app.m_lift.SetKindText("KT");
    app.m_lift.SetUsageText("UT");
    app.m_lift.SetLoadCapacity(600.0);
    app.m_lift.SetRatedSpeed(45.0);
    app.m_lift.SetOtherMatters("OM");
    app.m_constStartDate.SetDateString("02320401");
    app.m_specStageDate.SetCount(1);
    app.m_specStageDate.SetName("St");
    app.m_usageText = "Use";
    app.m_note = "N";
    app.m_changeSummary = "C";
    ZnModelDesignerList designers;
    designers.AddCopy(MakeDesigner("Ito"));
    designers.AddCopy(MakeDesigner("Abe"));
    app.SetDesignerList(designers);
    ZnModelLiftList lifts;
    lifts.AddCopy(MakeLift(2, "3", 0));
    lifts.AddCopy(MakeLift(3, "", 11));
    app.SetLiftList(lifts);
}

// The fields of equip_conf_document.hex.
void FillEquip(ZnModelAppEquip& app)
{
    app.m_submissionDestination = "D";
    app.m_constructor = MakeConstructor("Koji", "13", "K1");
    app.m_name.m_name = "Pump";
    app.m_constEndDate.SetDateString("02330331");
    app.m_changeSummary = "CS";
    ZnModelConstructorList constructors;
    constructors.AddCopy(MakeConstructor("C1"));
    constructors.AddCopy(MakeConstructor("C2", "14", "R2"));
    app.SetConstructorList(constructors);
}

// The fields of struct_mod_document.hex.
void FillStruct(ZnModelAppStruct& app)
{
    app.m_submissionDestination = "D";
    app.m_designer = MakeDesigner("Sato");
    app.m_lotAddress.m_address = "Lot";
    app.m_displayAddress.m_address = "Disp";
    app.m_structure.SetLeadingValue(1);
    app.m_structure.m_kindCode.SetCode("3");
    app.m_structure.SetKindText("Wall");
    app.m_structure.SetValue(12.5);
    app.m_structure.SetStructureDetail("RC");
    app.m_structure.SetConstKind("01601", "N");
    app.m_structure.SetConstKind("01699", "O");
    app.m_structure.SetNote("R");
    ZnModelInspDate stage;
    stage.m_date.SetDateString("02320401");
    stage.SetCount(2);
    stage.SetName("Base");
    app.SetInspDate(stage);
    app.m_name.m_name = "Tower";
    app.m_name.m_nameReading = "TW";
    app.m_note = "N";
}

// The fields of semi_str_conf_document.hex.
void FillSemiStr(ZnModelAppSemiStr& app)
{
    app.m_submissionDestination = "D";
    app.m_designer = MakeDesigner("Sato", "Plans");
    app.m_constructor = MakeConstructor("Koji", "13", "K1");
    app.m_lotAddress.m_address = "Lot";
    app.m_usageCode.SetCode("05");
    app.m_buildArea.SetAppPart(30.0);
    app.m_buildArea.SetOtherPart(2.5);
    app.m_constStartDate.SetDateString("02320401");
    app.m_name.m_name = "Sign";
    ZnModelAppSitePos position;
    for (int i = 0; i < 8; ++i)
        position.m_values[i] = i + 1;
    app.SetSitePos1(position);
    app.m_otherZoneText = "Z";
    app.m_usageText = "Ad";
    app.m_height = 7.0;
    app.SetConstKind("01602", "E");
    app.SetConstKind("01699", "O");
    app.m_appStructCount = 2;
    app.m_otherStructCount = 1;
    app.m_structNote = "SN";
    app.m_permitLaw = "PL";
    app.m_note = "N";
    ZnModelDesignerList designers;
    designers.AddCopy(MakeDesigner("Ito"));
    app.SetDesignerList(designers);
    ZnModelUseZoneCodeList zones;
    for (LPCTSTR zone : {"09", "01", "05"}) {
        ZnModelUseZoneCode code;
        code.SetCode(zone);
        zones.AddCopy(code);
    }
    app.SetUseZoneCodeList(zones);
}

// The plan-change fields of the plan-change fixtures.
template <typename Mod> void FillPlanChange(Mod& mod, LPCTSTR eraDate, LPCTSTR number, LPCTSTR issuer)
{
    mod.m_prevConfNum = MakeNum(eraDate, number, issuer);
    mod.SetPlanChangeSummary("PC");
}

// A document of a kind whose second and third slots fill fills alike; the application root of
// the fixtures has the destination "D".
template <int Kind, typename Family> void FillDocument(Document<Kind>& document, void (*fill)(Family&))
{
    document.template Slot<ZnModelApp>(0).m_submissionDestination = "D";
    fill(document.template Slot<Family>(1));
    fill(document.template Slot<Family>(2));
}

// Stores a filled document, loads it into a fresh one and stores that again: the same bytes.
template <int Kind> std::string RoundTrip(Document<Kind>& document)
{
    std::string stored = Store(document);
    Document<Kind> read;
    Load(read, stored);
    EXPECT_EQ(Hex(stored), Hex(Store(read))) << Kind;
    return stored;
}

} // namespace

TEST(FamilyDocuments, EachMatchesItsHandWorkedFileAndLoadsBack)
{
    Document<100302> liftMod, liftRead;
    FillDocument(liftMod, FillLift);
    FillPlanChange(liftMod.Slot<ZnModelAppLiftMod>(2), "02310701", "K-7", "City");
    ExpectStoredAndLoaded(liftMod, liftRead, "lift_mod_document.hex");
    Document<100003> equipConf, equipRead;
    FillDocument(equipConf, FillEquip);
    ExpectStoredAndLoaded(equipConf, equipRead, "equip_conf_document.hex");
    Document<100304> structMod, structRead;
    FillDocument(structMod, FillStruct);
    FillPlanChange(structMod.Slot<ZnModelAppStructMod>(2), "02310501", "S-9", "Pref");
    ExpectStoredAndLoaded(structMod, structRead, "struct_mod_document.hex");
    Document<100006> semiStrConf, semiStrRead;
    FillDocument(semiStrConf, FillSemiStr);
    ExpectStoredAndLoaded(semiStrConf, semiStrRead, "semi_str_conf_document.hex");
}

TEST(LiftDocuments, LiftOfAStructureDiffersOnlyInItsFirstClassTag)
{
    ZnModelAppLiftConf lift;
    FillLift(lift);
    ZnModelAppStrLiftConf structureLift;
    FillLift(structureLift);
    std::string liftBytes = Store(lift);
    std::string structureBytes = Store(structureLift);
    const std::string liftTag("\x12\x00ZnModelAppLiftConf", 20);
    const std::string structureTag("\x15\x00ZnModelAppStrLiftConf", 23);
    ASSERT_EQ(4u, liftBytes.find(liftTag));
    ASSERT_EQ(4u, structureBytes.find(structureTag));
    EXPECT_EQ(Hex(liftBytes.replace(4, liftTag.size(), structureTag)), Hex(structureBytes));

    // Each class reads only its own tag.
    ZnModelAppLiftConf read;
    EXPECT_TRUE(testsupport::ThrowsArchiveException([&] { Load(read, structureBytes); }));
}

// The kinds without a hand-worked file store and load their documents; a plan change stores its
// previous confirmation.
TEST(FamilyDocuments, EveryOtherConfirmationAndPlanChangeKindStoresAndLoadsItsDocument)
{
    Document<100002> liftConf;
    FillDocument(liftConf, FillLift);
    RoundTrip(liftConf);
    Document<100005> structureLiftConf;
    FillDocument(structureLiftConf, FillLift);
    RoundTrip(structureLiftConf);
    Document<100305> structureLiftMod;
    FillDocument(structureLiftMod, FillLift);
    FillPlanChange(structureLiftMod.Slot<ZnModelAppStrLiftMod>(2), "02310101", "L-1", "Lc");
    EXPECT_NE(std::string::npos, RoundTrip(structureLiftMod).find("\x03L-1\x02Lc"));
    Document<100303> equipMod;
    FillDocument(equipMod, FillEquip);
    FillPlanChange(equipMod.Slot<ZnModelAppEquipMod>(2), "02310101", "E-1", "Ec");
    EXPECT_NE(std::string::npos, RoundTrip(equipMod).find("\x03" "E-1\x02" "Ec"));
    Document<100004> structConf;
    FillDocument(structConf, FillStruct);
    RoundTrip(structConf);
    Document<100306> semiStrMod;
    FillDocument(semiStrMod, FillSemiStr);
    FillPlanChange(semiStrMod.Slot<ZnModelAppSemiStrMod>(2), "02310101", "M-1", "Mc");
    EXPECT_NE(std::string::npos, RoundTrip(semiStrMod).find("\x03M-1\x02Mc"));
}

TEST(FamilyDocuments, DesignersOfOlderLayoutsLoadAndStoreBackInTheNewest)
{
    Document<100302> lift;
    Load(lift, Fixture("lift_mod_document_designer_v256.hex"));
    EXPECT_EQ(Hex(Fixture("lift_mod_document.hex")), Hex(Store(lift)));
    Document<100006> semiStr;
    Load(semiStr, Fixture("semi_str_conf_document_designer_v257.hex"));
    EXPECT_EQ(Hex(Fixture("semi_str_conf_document.hex")), Hex(Store(semiStr)));
}

TEST(ZnModelAppSemiStr, SetConstKindSetsFlagsAndTextsAndNeverClears)
{
    ZnModelAppSemiStr app;
    app.SetConstKind("01602", "E");
    app.SetConstKind("01699", "O");
    app.SetConstKind("01604", "X");
    app.SetConstKind("1601", "X");
    app.SetConstKind(nullptr, "X");
    EXPECT_EQ(0, app.m_newFlag);
    EXPECT_EQ(1, app.m_extendFlag);
    EXPECT_EQ(0, app.m_rebuildFlag);
    EXPECT_EQ(1, app.m_otherFlag);
    EXPECT_EQ(CString(""), app.m_newText);
    EXPECT_EQ(CString("E"), app.m_extendText);
    EXPECT_EQ(CString(""), app.m_rebuildText);
    EXPECT_EQ(CString("O"), app.GetOtherText());
}
