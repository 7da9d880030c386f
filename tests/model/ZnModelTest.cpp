#include "tests/model/ConventionClasses.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

TEST(VhObject, SerialIdsAreNewForEveryConstructionAndKeptByAssignment)
{
    TPart first;
    TPart second;
    EXPECT_EQ(first.GetSerialId() + 1, second.GetSerialId());
    TPart copy(first);
    EXPECT_EQ(second.GetSerialId() + 1, copy.GetSerialId());
    // An embedded part takes its own number, after its holder's.
    TDate date;
    EXPECT_EQ(date.GetSerialId() + 1, date.m_yearCode.GetSerialId());
    DWORD before = second.GetSerialId();
    second = first;
    EXPECT_EQ(before, second.GetSerialId());
}

TEST(VhObject, IdentityAndOrderAreByAddress)
{
    TPart parts[2];
    TPart copy(parts[0]);
    EXPECT_TRUE(parts[0].IsEqual(&parts[0]));
    EXPECT_FALSE(parts[0].IsEqual(&copy));
    EXPECT_EQ(0, parts[0].Compare(&parts[0]));
    LONG units = static_cast<LONG>(sizeof(TPart) / 8);
    EXPECT_EQ(units, parts[1].Compare(&parts[0]));
    EXPECT_EQ(-units, parts[0].Compare(&parts[1]));
}

TEST(ZnModel, CloneOfTheRootIsNull)
{
    ZnModel root;
    EXPECT_EQ(nullptr, root.Clone());
    TPart part;
    part.m_text = "x";
    std::unique_ptr<ZnModel> clone(part.Clone());
    ASSERT_TRUE(clone->IsKindOf(RUNTIME_CLASS(TPart)));
    EXPECT_EQ(CString("x"), static_cast<TPart*>(clone.get())->m_text);
    EXPECT_NE(part.GetSerialId(), clone->GetSerialId());
}

TEST(ZnModel, EveryLevelWritesItsClassReferenceAndTheMapRunsAcrossObjects)
{
    TDate empty;
    TDate april;
    april.m_yearCode.m_era = "01";
    april.m_yearCode.m_year = 1990;
    april.m_month = 4;
    april.m_day = 1;
    std::string expected = ReadHexFixture("model/conventions_two_dates.hex");
    EXPECT_EQ(Hex(expected), Hex(StoreToBytes([&](CArchive& ar) {
                  empty.Serialize(ar);
                  april.Serialize(ar);
              })));

    TDate first, second;
    LoadFromBytes(expected, [&](CArchive& ar) {
        first.Serialize(ar);
        second.Serialize(ar);
    });
    EXPECT_EQ(CString("02"), first.m_yearCode.m_era);
    EXPECT_EQ(CString("01"), second.m_yearCode.m_era);
    EXPECT_EQ(1990, second.m_yearCode.m_year);
    EXPECT_EQ(4, second.m_month);
    EXPECT_EQ(1, second.m_day);
}

TEST(ZnModel, OlderSchemaLoadsWithDefaultsAndStoresInTheNewest)
{
    TVersioned loaded;
    loaded.m_b = 99;
    LoadFromBytes(ReadHexFixture("model/conventions_versioned_256.hex"), [&](CArchive& ar) { loaded.Serialize(ar); });
    EXPECT_EQ(5, loaded.m_a);
    EXPECT_EQ(7, loaded.m_b);
    EXPECT_EQ(Hex(ReadHexFixture("model/conventions_versioned_257.hex")),
              Hex(StoreToBytes([&](CArchive& ar) { loaded.Serialize(ar); })));
}

TEST(ZnModel, WrongClassInPlaceOfALevelIsRefused)
{
    // A TPart where a TDate is expected.
    std::string bytes = ReadHexFixture("model/conventions_holder_list.hex");
    TDate date;
    EXPECT_TRUE(ThrowsArchiveException([&] { LoadFromBytes(bytes, [&](CArchive& ar) { date.Serialize(ar); }); }));
}

namespace {
THolder MakeHolder(int parts)
{
    THolder holder;
    holder.m_name = "表";
    for (int i = 0; i < parts; ++i) {
        TPart part;
        part.m_n = i;
        holder.m_parts.AddCopy(part);
    }
    return holder;
}
} // namespace

TEST(ZnModelList, StoresACountAndEachElement)
{
    THolder holder;
    holder.m_name = "表";
    TPart part;
    part.m_text = "a";
    part.m_n = 10;
    holder.m_parts.AddCopy(part);
    part.m_text = "";
    part.m_n = -1;
    holder.m_parts.AddCopy(part);
    std::string expected = ReadHexFixture("model/conventions_holder_list.hex");
    EXPECT_EQ(Hex(expected), Hex(StoreToBytes([&](CArchive& ar) { holder.Serialize(ar); })));

    THolder loaded = MakeHolder(3); // elements already held are replaced
    LoadFromBytes(expected, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(2, loaded.m_parts.GetCount());
    EXPECT_EQ(CString("a"), loaded.m_parts.GetHead()->m_text);
    EXPECT_EQ(-1, loaded.m_parts.GetTail()->m_n);
}

TEST(ZnModelList, CopiesOwnTheirElements)
{
    auto original = std::make_unique<THolder>(MakeHolder(11));
    THolder copy(*original);
    THolder assigned = MakeHolder(2);
    assigned = *original;
    ASSERT_EQ(11, copy.m_parts.GetCount());
    ASSERT_EQ(11, assigned.m_parts.GetCount());
    for (int i = 0; i < 11; ++i) {
        EXPECT_NE(original->m_parts.GetAtIndex(i), copy.m_parts.GetAtIndex(i));
        EXPECT_NE(original->m_parts.GetAtIndex(i)->GetSerialId(), copy.m_parts.GetAtIndex(i)->GetSerialId());
        EXPECT_EQ(i, assigned.m_parts.GetAtIndex(i)->m_n);
    }
    original.reset(); // the copies stay whole (the sanitizers watch this)
    EXPECT_EQ(10, copy.m_parts.GetTail()->m_n);

    TPart* kept = assigned.m_parts.GetHead();
    assigned = assigned;
    EXPECT_EQ(kept, assigned.m_parts.GetHead());
}

TEST(ZnModelList, CountBelowOneEmptiesTheList)
{
    for (LONG count : {0, -5}) {
        THolder holder = MakeHolder(4);
        std::string bytes = StoreToBytes([&](CArchive& ar) {
            THolder empty;
            empty.m_name = "x";
            empty.Serialize(ar);
        });
        bytes.replace(bytes.size() - 4, 4, std::string(reinterpret_cast<const char*>(&count), 4));
        LoadFromBytes(bytes, [&](CArchive& ar) { holder.Serialize(ar); });
        EXPECT_TRUE(holder.m_parts.IsEmpty()) << count;
    }
}

TEST(ZnModelList, CountRunningPastTheEndThrowsAndLeaksNothing)
{
    std::string bytes = ReadHexFixture("model/conventions_holder_list.hex");
    bytes[bytes.find('\x02', 20)] = '\x05'; // five elements announced, two present
    THolder holder;
    EXPECT_TRUE(ThrowsArchiveException([&] { LoadFromBytes(bytes, [&](CArchive& ar) { holder.Serialize(ar); }); }));
}
