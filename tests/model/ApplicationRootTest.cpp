#include "model/ZnModelApp.h"
#include "tests/model/ModelTestSupport.h"

#include <memory>
#include <set>

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

// The serial ids of the list's elements, which must all be distinct objects.
std::set<DWORD> ElementIds(const ZnModelOwnerList& owners)
{
    std::set<DWORD> ids;
    for (POSITION pos = owners.GetHeadPosition(); pos;)
        ids.insert(owners.GetNext(pos)->GetSerialId());
    return ids;
}

} // namespace

TEST(ZnModelApp, StoresHeaderLocalDataPartsTextsAndFurtherOwners)
{
    ZnModelApp app = MakeSampleApp();
    EXPECT_EQ(testsupport::Hex(Fixture("app.hex")), testsupport::Hex(Store(app)));

    ZnModelApp read;
    Load(read, Fixture("app.hex"));
    const ZnModelAppLocalData& localData = read.GetHeader().GetLocalData();
    EXPECT_EQ(CString("100001"), localData.GetDocKindCode().GetCode());
    ASSERT_EQ(1, localData.GetNumGroupList().GetCount());
    const ZnModelNum& number = localData.GetNumGroupList().GetHead()->GetFirstNum();
    EXPECT_EQ(CString("N1"), number.GetNumber());
    EXPECT_EQ(CString("02320101"), number.GetDate().GetDateString());
    EXPECT_EQ(CString("F"), number.GetFurtherText());
    ASSERT_EQ(1, localData.m_structureNumGroups.GetCount());
    EXPECT_EQ(3, localData.m_structureNumGroups.GetHead()->m_itemNumber);
    EXPECT_EQ(5, read.GetHeader().m_headerNumber);
    EXPECT_EQ(CString("H4"), read.GetHeader().m_fourthText);
    EXPECT_EQ(CString("02010108"), read.m_applicationDate.GetDateString());
    EXPECT_EQ(CString("Dest"), read.GetApplyTo());
    EXPECT_EQ(CString("App"), read.GetApplicantName().GetName());
    EXPECT_EQ(CString("Own1"), read.GetOwner().GetIndividualData().GetName().GetName());
    ASSERT_EQ(2, read.GetOwnerList().GetCount());
    EXPECT_EQ(CString("Own3"), read.GetOwnerList().GetAtIndex(1)->m_person.m_name.m_name);
    EXPECT_EQ(7, read.m_additionalNumber);
    EXPECT_EQ(CString("X"), read.m_additionalText);
}

TEST(ZnModelApp, LoadingReplacesTheOwnersItHeld)
{
    ZnModelApp read;
    read.SetOwnerList(MakeOwners(5));
    Load(read, Fixture("app.hex"));
    EXPECT_EQ(2, read.GetOwnerList().GetCount());

    // A default application stores an owner count of 0, which empties the list on loading.
    ZnModelApp empty;
    std::string bytes = Store(empty);
    EXPECT_EQ(std::string(4, '\0'), bytes.substr(bytes.size() - 4));
    Load(read, bytes);
    EXPECT_TRUE(read.GetOwnerList().IsEmpty());

    // A negative count leaves the list empty as well.
    read.SetOwnerList(MakeOwners(3));
    bytes.replace(bytes.size() - 4, 4, "\xFF\xFF\xFF\xFF");
    Load(read, bytes);
    EXPECT_TRUE(read.GetOwnerList().IsEmpty());
}

TEST(ZnModelApp, AssignmentRebuildsTheOwnersFromCopies)
{
    ZnModelApp source = MakeSampleApp();
    source.SetOwnerList(MakeOwners(3));
    ZnModelApp target;
    target.SetOwnerList(MakeOwners(5));
    DWORD headerId = target.m_header.GetSerialId();
    target = source;
    EXPECT_EQ(Store(source), Store(target));
    EXPECT_EQ(headerId, target.m_header.GetSerialId());
    ASSERT_EQ(3, target.GetOwnerList().GetCount());
    std::set<DWORD> ids = ElementIds(target.GetOwnerList());
    EXPECT_EQ(3u, ids.size());
    for (DWORD id : ElementIds(source.GetOwnerList()))
        EXPECT_EQ(0u, ids.count(id));

    ZnModelApp& self = target;
    target = self;
    EXPECT_EQ(ids, ElementIds(target.GetOwnerList()));
}

TEST(ZnModelApp, SetOwnerListLeavesTheFirstOwner)
{
    ZnModelApp app = MakeSampleApp();
    app.SetOwnerList(ZnModelOwnerList());
    EXPECT_TRUE(app.GetOwnerList().IsEmpty());
    EXPECT_EQ(CString("Own1"), app.GetOwner().m_person.m_name.m_name);
}

TEST(ZnModelApp, CloneOwnsItsPartsAndLists)
{
    auto* original = new ZnModelApp(MakeSampleApp());
    std::unique_ptr<ZnModel> clone(original->Clone());
    delete original;
    ASSERT_EQ(RUNTIME_CLASS(ZnModelApp), clone->GetRuntimeClass());
    EXPECT_EQ(testsupport::Hex(Fixture("app.hex")), testsupport::Hex(Store(*clone)));
}

TEST(ZnModelApp, LoadsThroughAnObjectReference)
{
    ZnModelApp app = MakeSampleApp();
    std::string bytes = testsupport::StoreToBytes([&](CArchive& ar) { ar << &app; });
    ZnModelApp* read = nullptr;
    testsupport::LoadFromBytes(bytes, [&](CArchive& ar) { ar >> read; });
    ASSERT_NE(nullptr, read);
    std::unique_ptr<ZnModelApp> owned(read);
    EXPECT_EQ(Store(app), Store(*read));
}

TEST(ZnModelAppLocalData, DefaultBlockStoresFiveZeroCounts)
{
    ZnModelAppLocalData block;
    EXPECT_EQ(testsupport::Hex(Fixture("local_data_default.hex")), testsupport::Hex(Store(block)));
}

TEST(ZnModelAppLocalData, LoadingAndAssigningReplaceEveryList)
{
    ZnModelNumGroupList groups;
    groups.AddCopy(MakeGroup(1));
    groups.AddCopy(MakeGroup(2));
    ZnModelAppLocalData block;
    block.SetNumGroupList(groups);
    block.SetLiftNumGroupList(groups);
    block.SetEquipNumGroupList(groups);
    block.SetLift2NumGroupList(groups);
    block.SetStructNumGroupList(groups);
    EXPECT_EQ(2, block.m_secondLiftNumGroups.GetCount());
    EXPECT_NE(groups.GetHead(), block.m_secondLiftNumGroups.GetHead());

    ZnModelAppLocalData copy;
    copy = block;
    EXPECT_EQ(Store(block), Store(copy));
    EXPECT_NE(block.m_liftNumGroups.GetHead()->GetSerialId(), copy.m_liftNumGroups.GetHead()->GetSerialId());

    ZnModelAppLocalData& self = copy;
    copy = self;
    EXPECT_EQ(Store(block), Store(copy));

    // The default block's last count made negative: every list ends empty.
    std::string bytes = Fixture("local_data_default.hex");
    bytes.replace(bytes.size() - 4, 4, "\xFF\xFF\xFF\xFF");
    Load(block, bytes);
    EXPECT_TRUE(block.m_buildingNumGroups.IsEmpty());
    EXPECT_TRUE(block.m_structureNumGroups.IsEmpty());
}

TEST(ZnModelOwnerList, NullElementsAreNeitherCopiedNorStored)
{
    ZnModelOwnerList owners = MakeOwners(1);
    owners.AddTail(nullptr);
    ZnModelOwnerList copy(owners);
    EXPECT_EQ(1, copy.GetCount());

    ZnModelApp app;
    app.m_furtherOwners.AddTail(nullptr);
    app.m_furtherOwners.AddCopy(MakeOwner("Own"));
    ZnModelApp withOneOwner;
    withOneOwner.m_furtherOwners.AddCopy(MakeOwner("Own"));
    EXPECT_EQ(Store(withOneOwner), Store(app));
}
