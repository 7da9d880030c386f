#include "model/ZnModelApp.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>

using modeltest::Fixture;
using modeltest::Load;
using modeltest::Store;

namespace {

ZnModelOwner MakeOwner(LPCTSTR name)
{
    ZnModelOwner owner;
    owner.m_person.m_name.m_name = name;
    return owner;
}

ZnModelNumGroup MakeGroup(int itemNumber)
{
    ZnModelNumGroup group;
    group.m_itemNumber = itemNumber;
    return group;
}

ZnModelOwnerList MakeOwners(int count)
{
    ZnModelOwnerList owners;
    for (int i = 0; i < count; ++i)
        owners.AddCopy(MakeOwner("Owner"));
    return owners;
}

// The application of app.hex.
ZnModelApp MakeSampleApp()
{
    ZnModelApp app;
    ZnModelAppHeader header;
    header.m_firstText = "H1";
    header.m_secondText = "H2";
    header.m_areaCode.SetCode("13");
    header.m_headerNumber = 5;
    header.m_thirdText = "H3";
    header.m_fourthText = "H4";

    ZnModelAppLocalData localData;
    localData.m_localText = "L";
    localData.m_documentKind.SetCode("100001");
    localData.m_firstLocalNumber = 1;
    localData.m_secondLocalNumber = 2;
    localData.m_thirdLocalText = "L3";
    localData.m_fourthLocalText = "L4";
    ZnModelNum applicationNumber;
    applicationNumber.SetNumber("N1");
    applicationNumber.m_date.SetEraDate(32, 1, 1, 4);
    applicationNumber.SetFurtherText("F");
    ZnModelNumGroup building = MakeGroup(1);
    building.SetFirstNum(applicationNumber);
    ZnModelNumGroupList buildings;
    buildings.AddCopy(building);
    localData.SetNumGroupList(buildings);
    ZnModelNumGroupList structures;
    structures.AddCopy(MakeGroup(3));
    localData.SetStructNumGroupList(structures);
    header.SetLocalData(localData);
    app.SetHeader(header);

    app.m_applicationDate.SetDateString("02010108");
    app.m_submissionDestination = "Dest";
    JkModelName applicant;
    applicant.m_name = "App";
    app.SetApplicantName(applicant);
    app.SetOwner(MakeOwner("Own1"));
    ZnModelOwnerList further;
    further.AddCopy(MakeOwner("Own2"));
    further.AddCopy(MakeOwner("Own3"));
    app.SetOwnerList(further);
    app.m_additionalNumber = 7;
    app.m_additionalText = "X";
    return app;
}

} // namespace

// Every object takes a new serial id when constructed or copied, its embedded parts each their
// own after it; assignment keeps the id. Identity and order are by address.
TEST(VhObject, SerialIdsIdentityAndOrder)
{
    ZnModelYearCode codes[2];
    EXPECT_EQ(codes[0].GetSerialId() + 1, codes[1].GetSerialId());
    codes[0].SetCode("01");
    ZnModelYearCode copy(codes[0]);
    EXPECT_EQ(codes[1].GetSerialId() + 1, copy.GetSerialId());
    ZnModelDate date;
    EXPECT_EQ(date.GetSerialId() + 1, date.m_yearCode.GetSerialId());
    DWORD before = codes[1].GetSerialId();
    codes[1] = codes[0];
    EXPECT_EQ(before, codes[1].GetSerialId());
    EXPECT_EQ(CString("01"), codes[1].GetCode());

    EXPECT_TRUE(codes[0].IsEqual(&codes[0]));
    EXPECT_FALSE(codes[0].IsEqual(&copy));
    EXPECT_EQ(0, codes[0].Compare(&codes[0]));
    LONG units = static_cast<LONG>(sizeof(ZnModelYearCode) / 8);
    EXPECT_EQ(units, codes[1].Compare(&codes[0]));
    EXPECT_EQ(-units, codes[0].Compare(&codes[1]));
    EXPECT_EQ(nullptr, ZnModel().Clone());
}

// Loading replaces the further owners held before; the default block of local data stores five
// empty lists.
TEST(ZnModelApp, StoresHeaderLocalDataPartsTextsAndFurtherOwners)
{
    ZnModelApp app = MakeSampleApp();
    EXPECT_EQ(testsupport::Hex(Fixture("app.hex")), testsupport::Hex(Store(app)));
    ZnModelApp read;
    read.SetOwnerList(MakeOwners(5));
    Load(read, Fixture("app.hex"));
    EXPECT_EQ(testsupport::Hex(Fixture("app.hex")), testsupport::Hex(Store(read)));

    ZnModelAppLocalData block;
    EXPECT_EQ(testsupport::Hex(Fixture("local_data_default.hex")), testsupport::Hex(Store(block)));
}

// A list stores its count and each element; a stored count below one empties the list on loading.
TEST(ZnModelList, CountOfZeroOrBelowEmptiesTheList)
{
    ZnModelApp empty;
    std::string bytes = Store(empty);
    EXPECT_EQ(std::string(4, '\0'), bytes.substr(bytes.size() - 4));
    for (const char* count : {"\0\0\0\0", "\xFB\xFF\xFF\xFF"}) {
        ZnModelApp read;
        read.SetOwnerList(MakeOwners(3));
        Load(read, bytes.replace(bytes.size() - 4, 4, count, 4));
        EXPECT_TRUE(read.GetOwnerList().IsEmpty());
    }
}

// Copies and assignments own copies of the elements; self-assignment keeps them; null elements
// are neither copied nor stored.
TEST(ZnModelList, CopiesOwnTheirElementsAndSkipNullOnes)
{
    auto original = std::make_unique<ZnModelOwnerList>();
    for (int i = 0; i < 11; ++i)
        original->AddCopy(MakeOwner(i == 10 ? "Last" : "Owner"));
    ZnModelOwnerList copy(*original);
    ZnModelOwnerList assigned = MakeOwners(2);
    assigned = *original;
    ASSERT_EQ(11, copy.GetCount());
    ASSERT_EQ(11, assigned.GetCount());
    for (int i = 0; i < 11; ++i) {
        EXPECT_NE(original->GetAtIndex(i), copy.GetAtIndex(i));
        EXPECT_NE(original->GetAtIndex(i)->GetSerialId(), assigned.GetAtIndex(i)->GetSerialId());
    }
    original.reset(); // the copies stay whole (the sanitizers watch this)
    EXPECT_EQ(CString("Last"), copy.GetTail()->m_person.m_name.m_name);
    ZnModelOwner* kept = assigned.GetHead();
    assigned = assigned;
    EXPECT_EQ(kept, assigned.GetHead());

    ZnModelOwnerList owners = MakeOwners(1);
    owners.AddTail(nullptr);
    EXPECT_EQ(1, ZnModelOwnerList(owners).GetCount());
    ZnModelApp app;
    app.m_furtherOwners.AddTail(nullptr);
    app.m_furtherOwners.AddCopy(MakeOwner("Own"));
    ZnModelApp withOneOwner;
    withOneOwner.m_furtherOwners.AddCopy(MakeOwner("Own"));
    EXPECT_EQ(Store(withOneOwner), Store(app));
}
