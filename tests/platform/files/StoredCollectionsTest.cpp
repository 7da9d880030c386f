// Counts and the collections that an archive stores: arrays of numbers and strings, object lists.
#include "tests/support/FromHex.h"
#include "tests/support/TestSupport.h"

using namespace testsupport;

namespace {

class TNumber : public CObject {
    DECLARE_SERIAL(TNumber)
public:
    explicit TNumber(LONG v = 0) : value(v) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << value;
        else
            ar >> value;
    }
    LONG value;
};

} // namespace

IMPLEMENT_SERIAL(TNumber, CObject, 1)

TEST(CArchive, CountTakesSixteenBitsBelow0xFFFFElseAnEscapeAndThirtyTwo)
{
    const struct {
        DWORD_PTR count;
        const char* bytes;
    } cases[] = {
        {0, "00 00"},
        {0xFFFE, "FE FF"},
        {0xFFFF, "FF FF FF FF 00 00"},
        {0x12345678, "FF FF 78 56 34 12"},
        {0xFFFFFFFF, "FF FF FF FF FF FF"},
    };
    for (const auto& c : cases) {
        std::string stored = StoreToBytes([&](CArchive& ar) { ar.WriteCount(c.count); });
        EXPECT_EQ(c.bytes, Hex(stored));
        DWORD_PTR loaded = 0;
        LoadFromBytes(stored, [&](CArchive& ar) { loaded = ar.ReadCount(); });
        EXPECT_EQ(c.count, loaded);
    }
    // The escape may stand before any count.
    DWORD_PTR loaded = 0;
    LoadFromBytes(FromHex("FF FF 03 00 00 00"), [&](CArchive& ar) { loaded = ar.ReadCount(); });
    EXPECT_EQ(3u, loaded);
    EXPECT_TRUE(ThrowsArchiveException([] { StoreToBytes([](CArchive& ar) { ar.WriteCount(0x100000000ull); }); }));
    EXPECT_TRUE(
        ThrowsArchiveException([] { LoadFromBytes(FromHex("FF FF 03 00"), [](CArchive& ar) { ar.ReadCount(); }); }));
}

TEST(CArray, StoresACountAndTheElements)
{
    CArray<LONG, LONG> ints;
    ints.Add(1);
    ints.Add(-2);
    CArray<double, double> doubles;
    doubles.SetSize(2);
    doubles[1] = 0.5;
    CStringArray strings;
    strings.Add("表");
    strings.Add("");
    std::string stored = StoreToBytes([&](CArchive& ar) {
        ints.Serialize(ar);
        doubles.Serialize(ar);
        strings.Serialize(ar);
    });
    EXPECT_EQ("02 00 01 00 00 00 FE FF FF FF "
              "02 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 E0 3F "
              "02 00 02 95 5C 00",
              Hex(stored));

    CArray<LONG, LONG> loadedInts;
    loadedInts.Add(9);
    CArray<double, double> loadedDoubles;
    CStringArray loadedStrings;
    LoadFromBytes(stored, [&](CArchive& ar) {
        loadedInts.Serialize(ar);
        loadedDoubles.Serialize(ar);
        loadedStrings.Serialize(ar);
    });
    ASSERT_EQ(2, loadedInts.GetSize());
    EXPECT_EQ(-2, loadedInts[1]);
    ASSERT_EQ(2, loadedDoubles.GetSize());
    EXPECT_EQ(0.0, loadedDoubles[0]);
    EXPECT_EQ(0.5, loadedDoubles[1]);
    ASSERT_EQ(2, loadedStrings.GetSize());
    EXPECT_EQ(CString("表"), loadedStrings[0]);
}

// A count beyond what the input holds fails at its end, and the array keeps what it held.
TEST(CArray, CountBeyondTheInputFailsAndKeepsTheElements)
{
    CArray<double, double> doubles;
    doubles.Add(7);
    CStringArray strings;
    auto loadFails = [](CObject& array, const char* hex) {
        return ThrowsArchiveException([&] { LoadFromBytes(FromHex(hex), [&](CArchive& ar) { array.Serialize(ar); }); });
    };
    EXPECT_TRUE(loadFails(doubles, "FF FF FF FF FF FF 00 00 00 00 00 00 F0 3F"));
    EXPECT_TRUE(loadFails(doubles, "02 00 00 00 00 00 00 00 F0 3F"));
    EXPECT_TRUE(loadFails(strings, "FF FF FF FF FF FF 00 00 00 00"));
    EXPECT_TRUE(loadFails(strings, "02 00 01 41"));
    ASSERT_EQ(1, doubles.GetSize());
    EXPECT_EQ(7.0, doubles[0]);
    EXPECT_TRUE(strings.IsEmpty());
}

TEST(CObList, StoresACountAndEachObjectWithItsClass)
{
    TNumber one(1), two(2);
    CObList list;
    list.AddTail(&one);
    list.AddTail(&two);
    list.AddTail(&one);
    std::string stored = StoreToBytes([&](CArchive& ar) { list.Serialize(ar); });
    // The class on its first object (index 1, the object 2), then a class reference (80 01) and an
    // object reference (00 02).
    EXPECT_EQ("03 00 FF FF 01 00 07 00 54 4E 75 6D 62 65 72 01 00 00 00 01 80 02 00 00 00 02 00", Hex(stored));

    CObList loaded;
    LoadFromBytes(stored, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(3, loaded.GetCount());
    auto* first = static_cast<TNumber*>(loaded.GetHead());
    EXPECT_EQ(1, first->value);
    EXPECT_EQ(first, loaded.GetTail());
    EXPECT_EQ(2, static_cast<TNumber*>(loaded.GetAt(loaded.FindIndex(1)))->value);
    delete loaded.RemoveHead();
    delete loaded.RemoveHead();
}
