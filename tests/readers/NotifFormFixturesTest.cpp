// Each fixture folder read through the loader and compared whole with a document filled by hand
// from the fixture's records.
#include "tests/readers/NotifFormSupport.h"

#include "model/ZnModelAppConstNotif.h"
#include "model/ZnModelAppDemNotif.h"
#include "model/ZnModelAppSafeNotif.h"
#include "model/ZnModelAppTempUseConf.h"

using namespace notiftest;

namespace {

// The document of the form's fixture folder, read through the loader.
std::unique_ptr<ZnModelApp> ReadFixture(const Form& form)
{
    std::unique_ptr<ZnModelApp> app = ReadFolder(FixtureFolder(form), form);
    EXPECT_TRUE(app) << form.folder;
    return app;
}

ZnModelOwner Owner(const JkModelIndividualData& person)
{
    ZnModelOwner owner;
    owner.m_person = person;
    return owner;
}

ZnModelConstructor Contractor(LPCTSTR name, const JkModelIndividualData& office)
{
    ZnModelConstructor contractor;
    contractor.m_name = Name(name);
    contractor.m_individualData = office;
    return contractor;
}

// The parties that the safety-plan and temporary-use fixtures share.
ZnModelOwner FirstOwner()
{
    return Owner(Person(Name("ソポ太郎", "ソポ タロウ"), "100", "0001", "東京都表区ポ町1-1", "03", "1111", "2222"));
}

ZnModelDesigner Agent()
{
    ZnModelDesigner agent;
    agent.m_qualificationClass.SetCode("1");
    agent.m_qualificationAuthority.SetCode("13");
    agent.m_qualificationRegistrationNumber = "123456";
    agent.m_architectName = Name("表ソ一郎");
    agent.m_officeClass.SetCode("1");
    agent.m_officeAuthority.SetCode("13");
    agent.m_officeRegistrationNumber = "7890";
    agent.m_office = Person(Name("ポ設計事務所"), "150", "0002", "東京都渋谷区ソ町2-2", "03", "3333", "4444");
    return agent;
}

ZnModelOwnerList FurtherOwners(int count)
{
    const JkModelIndividualData owners[] = {
        Person(Name("表一", "イチ"), "111", "1111", "東京都一区", "01", "1111", "1111"),
        Person(Name("ソ二", "ニ"), "222", "2222", "東京都二区", "02", "2222", "2222"),
        Person(Name("ポ三", "サン"), "333", "3333", "東京都三区", "03", "3333", "3333"),
    };
    ZnModelOwnerList list;
    for (int i = 0; i < count; ++i)
        list.AddCopy(Owner(owners[i]));
    return list;
}

const ZnModelNum confirmation = Num("第H19確認建築表01234号", Date("02", 2007, 6, 15), "ソ建築主事");

ZnModelAppTempUseConf TempUseConf(const Form& form, int formDigit)
{
    ZnModelAppTempUseConf expected;
    SetCommon(expected, form.code);
    expected.m_formDigit = formDigit;
    expected.m_applicantName = Name("表ソ花子", "ヒョウ ハナコ");
    expected.m_firstOwner = FirstOwner();
    expected.m_agent = Agent();
    expected.m_confirmation = confirmation;
    expected.m_siteAddress1 = AddressLine("東京都表区ソ町9-9");
    expected.m_siteAddress2 = AddressLine("東京都ポ区1-1");
    expected.m_objectAddress = AddressLine("東京都表区ソ町9-10");
    expected.m_objectName = Name("表ソポビル", "ヒョウソビル");
    expected.m_useText = "ポ事務所";
    expected.m_useFrom = Date("02", 2008, 5, 1);
    expected.m_useTo = Date("02", 2009, 2, 28);
    expected.m_reason = "表ソの理由";
    expected.m_remarks = "ポの備考";
    expected.m_furtherOwners = FurtherOwners(2);
    return expected;
}

} // namespace

TEST(NotifFormFixtures, DemolitionNotification)
{
    std::unique_ptr<ZnModelApp> app = ReadFixture(demNotif);
    ASSERT_TRUE(app);
    ZnModelAppDemNotif& read = static_cast<ZnModelAppDemNotif&>(*app);
    EXPECT_EQ(CString("東京都表区ソポ町3-4"), read.m_place.m_address);
    EXPECT_EQ(CString("東京都千代田区霞が関1-2"), read.m_contractor.m_individualData.m_address.m_address);

    ZnModelAppDemNotif expected;
    SetCommon(expected, "100802");
    expected.m_contractor = Contractor(
        "表ソ建設", Person(Name("ポ営業所"), "100", "0013", "東京都千代田区霞が関1-2", "03", "1234", "5678"));
    expected.m_place = AddressLine("東京都表区ソポ町3-4");
    expected.m_date = Date("02", 2003, 4, 1);
    expected.m_mainUse.m_category = 3;
    expected.m_mainUse.m_usage.SetCode("08010");
    expected.m_cause.SetCode("2");
    expected.m_structure.SetCode("13");
    expected.m_buildingCount = 3;
    expected.m_dwellingCount = 12;
    expected.m_tenure.SetCode("1");
    expected.m_floorArea = 345.67;
    expected.m_value = 8900000;
    EXPECT_EQ(Stored(expected), Stored(read));
}

TEST(NotifFormFixtures, ConstructionNotification)
{
    std::unique_ptr<ZnModelApp> app = ReadFixture(constNotif);
    ASSERT_TRUE(app);
    ZnModelAppConstNotif& read = static_cast<ZnModelAppConstNotif&>(*app);
    ASSERT_EQ(2, read.m_buildings.GetCount());
    EXPECT_EQ(1, read.m_demolition.m_present);

    ZnModelAppConstNotif expected;
    SetCommon(expected, "100801");
    expected.m_firstOwner =
        Owner(Person(Name("表ソ太郎", "ヒョウソ タロウ"), "100", "0001", "東京都表区ポ町1-1", "03", "1111", "2222"));
    expected.m_agent.m_architectName = Name("ソポ次郎");
    expected.m_agent.m_office =
        Person(Name("表設計事務所"), "150", "0002", "東京都渋谷区ソ町2-2", "03", "3333", "4444");
    expected.m_ownerType.SetCode("2");
    expected.m_ownerOcc.SetCode("15");
    expected.m_ownerValue = 7;
    expected.m_siteAddress = AddressLine("東京都表区ソポ町5-6");
    expected.m_planArea.SetCode("1");
    expected.m_periodStart = Date("02", 2008, 4, 1);
    expected.m_periodEnd = Date("02", 2009, 3, 31);
    expected.m_periodA = 3;
    expected.m_periodB = 6;
    expected.m_constKind.SetCode("1");
    expected.m_mainUse.m_category = 2;
    expected.m_mainUse.m_usage.SetCode("08410");

    ZnModelAppStrNotif first;
    first.m_number = 1;
    first.m_use.SetCode("08010");
    first.m_multiUse.SetCode("2");
    first.m_partStructure.SetCode("21");
    first.m_area = 120.5;
    first.m_count1 = 1;
    first.m_count2 = 3;
    first.m_count3 = 1;
    ZnModelAppStrNotif second;
    second.m_number = 2;
    second.m_use.SetCode("08410");
    second.m_multiUse.SetCode("1");
    second.m_partStructure.SetCode("22");
    second.m_area = 80.25;
    second.m_count1 = 2;
    second.m_count2 = 2;
    second.m_housing1.SetCode("1");
    second.m_housing2.SetCode("3");
    second.m_housing3.SetCode("2");
    second.m_housing4.SetCode("4");
    second.m_housingCount1 = 1;
    second.m_housingArea1 = 60.5;
    second.m_housingCount2 = 2;
    second.m_housingArea2 = 70.25;
    second.m_housingCount3 = 3;
    second.m_housingArea3 = 80;
    second.m_housingCount4 = 4;
    second.m_housingArea4 = 90.75;
    expected.m_buildings.AddCopy(first);
    expected.m_buildings.AddCopy(second);
    expected.m_siteArea = 456.78;

    ZnModelAppDemData& demolition = expected.m_demolition;
    demolition.m_present = 1;
    demolition.m_mainUse.m_category = 1;
    demolition.m_mainUse.m_usage.SetCode("08990");
    demolition.m_cause.SetCode("3");
    demolition.m_structure.SetCode("12");
    demolition.m_buildingCount = 1;
    demolition.m_dwellingCount = 4;
    demolition.m_tenure.SetCode("2");
    demolition.m_floorArea = 98.5;
    demolition.m_value = 1500000;
    demolition.m_contractor =
        Contractor("ポ解体", Person(Name("表ソ営業所"), "160", "0003", "東京都新宿区ポ町7-8", "03", "5555", "6666"));
    EXPECT_EQ(Stored(expected), Stored(read));
}

TEST(NotifFormFixtures, SafetyPlanNotification)
{
    std::unique_ptr<ZnModelApp> app = ReadFixture(safeNotif);
    ASSERT_TRUE(app);
    ZnModelAppSafeNotif& read = static_cast<ZnModelAppSafeNotif&>(*app);
    EXPECT_EQ(CString("表ソポの備考"), read.m_remarks);
    ASSERT_EQ(3, read.m_furtherOwners.GetCount());
    EXPECT_EQ(CString("ポ三"), read.m_furtherOwners.GetTail()->m_person.m_name.m_name);

    ZnModelAppSafeNotif expected;
    SetCommon(expected, "100803");
    expected.m_applicantName = Name("表ソ花子", "ヒョウ ハナコ");
    expected.m_firstOwner = FirstOwner();
    expected.m_agent = Agent();
    expected.m_buildingAddress = AddressLine("東京都表区ソ町9-9");
    expected.m_buildingName = Name("表ソビル", "ヒョウソビル");
    expected.m_text1 = "事務所";
    expected.m_text2 = "ポ工事";
    expected.m_mainStructure.SetCode("3");
    expected.m_text3 = "既存部分";
    expected.m_number1 = 5;
    expected.m_number2 = 1;
    expected.m_area1 = 1200.5;
    expected.m_area2 = 300.25;
    expected.m_area3 = 150;
    expected.m_plannedStart = Date("02", 2008, 4, 1);
    expected.m_plannedEnd = Date("02", 2009, 3, 31);
    expected.m_useFrom = Date("02", 2008, 5, 1);
    expected.m_useTo = Date("02", 2009, 2, 28);
    expected.m_confirmation = confirmation;
    expected.m_tempUseApproval = Num("第ポ56号", Date("02", 2008, 1, 10), "");
    expected.m_remarks = "表ソポの備考";
    expected.m_furtherOwners = FurtherOwners(3);
    EXPECT_EQ(Stored(expected), Stored(read));
}

TEST(NotifFormFixtures, TemporaryUseOfEitherForm)
{
    std::unique_ptr<ZnModelApp> app = ReadFixture(tempUse220);
    ASSERT_TRUE(app);
    ZnModelAppTempUseConf expected = TempUseConf(tempUse220, 4);
    expected.m_plannedStart = Date("02", 2008, 4, 1);
    expected.m_plannedEnd = Date("02", 2009, 3, 31);
    EXPECT_EQ(4, static_cast<ZnModelAppTempUseConf&>(*app).m_formDigit);
    EXPECT_EQ(Stored(expected), Stored(*app));

    app = ReadFixture(tempUse230);
    ASSERT_TRUE(app);
    ZnModelAppTempUseConf official = TempUseConf(tempUse230, 2);
    EXPECT_EQ(Stored(official), Stored(*app));
}
