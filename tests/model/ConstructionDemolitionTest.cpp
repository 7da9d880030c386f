#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "tests/model/DocumentTestSupport.h"

using modeltest::ExpectStoredAndLoaded;
using modeltest::Fixture;
using modeltest::Load;
using modeltest::ObjectSequence;
using modeltest::Store;
using testsupport::Hex;

namespace {

ZnModelAppConstDemUsage MakeUsage(int category, LPCTSTR use)
{
    ZnModelAppConstDemUsage usage;
    usage.m_category = category;
    usage.m_usage.SetCode(use);
    return usage;
}

// The notification of const_notif.hex, with its one building.
ZnModelAppConstNotif MakeSampleConstNotif()
{
    ZnModelAppConstNotif notif;
    notif.m_num.SetNumber("N");
    notif.m_ownerType.SetCode("1");
    notif.m_ownerOcc.SetCode("2");
    notif.m_siteAddress.m_address = "Site";
    notif.m_planArea.SetCode("3");
    notif.m_periodStart.SetDateString("02320401");
    notif.m_periodEnd.SetDateString("02330331");
    notif.m_constKind.SetCode("01801");
    notif.m_mainUse = MakeUsage(1, "U1");
    notif.m_demolition.m_present = 1;
    notif.m_demolition.m_mainUse = MakeUsage(3, "");
    notif.m_demolition.m_cause.SetCode("C");
    notif.m_demolition.m_buildingCount = 2;
    notif.m_demolition.m_floorArea = 12.5;
    notif.m_supervisor.m_architectName.m_name = "Sup";
    notif.m_ownerValue = 7;
    notif.m_periodA = 4;
    notif.m_periodB = 12;
    notif.m_oldText = "old";
    notif.m_siteArea = 250.5;
    notif.m_buildings.AddCopy(ZnModelAppStrNotif());
    ZnModelAppStrNotif& building = *notif.m_buildings.GetHead();
    building.m_number = 1;
    building.m_oldText = "b";
    building.m_use.SetCode("08");
    building.m_partStructure.SetCode("W");
    building.m_housing4.SetCode("H");
    building.m_area = 80.5;
    building.m_count1 = 1;
    building.m_count2 = 2;
    building.m_housingCount1 = 1;
    building.m_housingArea1 = 60.25;
    return notif;
}

// The notification of dem_notif.hex.
ZnModelAppDemNotif MakeSampleDemNotif()
{
    ZnModelAppDemNotif notif;
    notif.m_contractor.m_name.m_name = "Kato";
    notif.m_contractor.m_licenceIssuer.SetCode("00");
    notif.m_contractor.m_individualData.m_name.m_name = "Shop";
    notif.m_contractor.SetText("K-1");
    notif.m_place.m_address = "P";
    notif.m_date.SetDateString("02330510");
    notif.m_oldText = "O";
    notif.m_mainUse = MakeUsage(2, "100");
    notif.m_cause.SetCode("1");
    notif.m_structure.SetCode("2");
    notif.m_buildingCount = 1;
    notif.m_dwellingCount = 3;
    notif.m_tenure.SetCode("4");
    notif.m_floorArea = 12.5;
    notif.m_value = 5000000;
    return notif;
}

} // namespace

TEST(ZnModelAppConstDemUsage, CategoriesOneToThreeGiveTheirCodes)
{
    const struct {
        int category;
        const char* code;
    } cases[] = {{0, ""}, {1, "01811"}, {2, "01812"}, {3, "01813"}, {4, ""}, {-1, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(CString(c.code), MakeUsage(c.category, "X").GetUsageCode()) << c.category;
}

TEST(ZnModelAppConstNotif, StoresTheSupervisorAfterTheDemolitionPart)
{
    ZnModelAppConstNotif notif = MakeSampleConstNotif();
    ZnModelAppConstNotif read;
    ExpectStoredAndLoaded(notif, read, "const_notif.hex");
}

// The older layouts: the second lacks only the supervisor, read into a new notification it gives
// every other value; the first lacks the main uses, the owner occupation and the old texts too,
// and read into the sample notification it leaves them at their defaults.
TEST(ZnModelAppConstNotif, OlderLayoutsLoadWithDefaultsForWhatTheyLack)
{
    ZnModelAppConstNotif expected = MakeSampleConstNotif();
    expected.m_supervisor = ZnModelDesigner();
    ZnModelAppConstNotif read;
    Load(read, Fixture("const_notif_v257.hex"));
    EXPECT_EQ(Hex(Store(expected)), Hex(Store(read)));

    expected.m_mainUse = expected.m_demolition.m_mainUse = ZnModelAppConstDemUsage();
    expected.m_oldText = "";
    expected.m_ownerOcc.SetCode("");
    expected.m_buildings.GetHead()->m_use.SetCode("");
    expected.m_buildings.GetHead()->m_oldText = "";
    read = MakeSampleConstNotif();
    Load(read, Fixture("const_notif_v256.hex"));
    EXPECT_EQ(Hex(Store(expected)), Hex(Store(read)));
}

TEST(ZnModelAppDemNotif, StoresTheMainUseBetweenDateAndCause)
{
    ZnModelAppDemNotif notif = MakeSampleDemNotif();
    ZnModelAppDemNotif read;
    ExpectStoredAndLoaded(notif, read, "dem_notif.hex");
}

TEST(ZnModelAppDemNotif, Schema256LoadsWithoutMainUseAndItsText)
{
    ZnModelAppDemNotif read = MakeSampleDemNotif();
    Load(read, Fixture("dem_notif_v256.hex"));
    ZnModelAppDemNotif expected = MakeSampleDemNotif();
    expected.m_mainUse = ZnModelAppConstDemUsage();
    expected.m_oldText = "";
    EXPECT_EQ(Hex(Store(expected)), Hex(Store(read)));
}

TEST(ZnModelAppDemData, Schema256DerivesThePresenceFromItsValues)
{
    ObjectSequence<ZnModelAppDemData, 3> read;
    for (ZnModelAppDemData& part : read.m_objects) {
        part.m_present = 7;
        part.m_mainUse = MakeUsage(2, "X");
    }
    Load(read, Fixture("dem_data_v256.hex"));
    EXPECT_EQ(0, read.m_objects[0].m_present);
    EXPECT_EQ(1, read.m_objects[1].m_present);
    EXPECT_EQ(1, read.m_objects[2].m_present);
    EXPECT_EQ(CString("T"), read.m_objects[2].m_oldText);
    for (const ZnModelAppDemData& part : read.m_objects)
        EXPECT_EQ(0, part.m_mainUse.m_category);
}

TEST(ZnModelAppDemData, LaterLayoutsKeepTheStoredPresenceEvenWithoutValues)
{
    ZnModelAppDemData present;
    present.m_present = 1;
    ZnModelAppDemData read;
    Load(read, Store(present));
    EXPECT_EQ(1, present.m_present); // storing changes nothing
    EXPECT_EQ(1, read.m_present);
}

TEST(ZnModelAppDemData, EachValueOfTheFirstLayoutMarksAPresentPart)
{
    // The empty first part of dem_data_v256.hex with one value set at a time. Its codes follow
    // their class names; its text, counts, floor area and value follow the tenure code.
    const std::string bytes = Fixture("dem_data_v256.hex");
    const size_t cause = bytes.find("ZnModelCauseCode") + 16 + 4;
    const size_t structure = bytes.find("ZnModelDemStrCode") + 17 + 4;
    const size_t tenure = bytes.find("ZnModelDemHouseCode") + 19 + 4;
    const size_t text = tenure + 1, buildings = text + 1, dwellings = buildings + 4, area = dwellings + 4,
                 value = area + 8;
    const struct {
        const char* what;
        size_t offset;
        std::string replacement; // for the one byte at offset
    } cases[] = {
        {"text", text, std::string("\x01T", 2)},
        {"cause", cause, std::string("\x01\x31", 2)},
        {"structure", structure, std::string("\x01\x32", 2)},
        {"buildings", buildings, "\x01"},
        {"dwellings", dwellings, "\x01"},
        {"tenure", tenure, std::string("\x01\x34", 2)},
        {"floor area", area + 7, "\x40"}, // 2.0
        {"value", value, "\x01"},
    };
    for (const auto& c : cases) {
        ASSERT_EQ('\0', bytes[c.offset]) << c.what;
        std::string changed = bytes;
        changed.replace(c.offset, 1, c.replacement);
        ObjectSequence<ZnModelAppDemData, 3> read;
        Load(read, changed);
        EXPECT_EQ(1, read.m_objects[0].m_present) << c.what;
    }
}
