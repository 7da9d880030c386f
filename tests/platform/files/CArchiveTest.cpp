#include "tests/support/FromHex.h"
#include "tests/support/TabbedCases.h"

#include <map>
#include <memory>
#include <set>
#include <vector>

using namespace testsupport;

namespace {

class TPoint : public CObject {
    DECLARE_SERIAL(TPoint)
public:
    explicit TPoint(LONG px = 0, LONG py = 0) : x(px), y(py) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << x << y;
        else
            ar >> x >> y;
    }
    LONG x, y;
};

class TLabel : public CObject {
    DECLARE_SERIAL(TLabel)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << text;
        else
            ar >> text;
    }
    CString text;
};

// A class with one fixed layout: any other stored schema is refused.
class TFixed : public CObject {
    DECLARE_SERIAL(TFixed)
};

} // namespace

IMPLEMENT_SERIAL(TPoint, CObject, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(TLabel, CObject, VERSIONABLE_SCHEMA | 1)
IMPLEMENT_SERIAL(TFixed, CObject, 2)

namespace {

// Objects read from an archive; deletes each distinct one once.
struct LoadedObjects {
    std::vector<CObject*> refs;
    ~LoadedObjects()
    {
        for (CObject* object : std::set<CObject*>(refs.begin(), refs.end()))
            delete object;
    }
};

// Reads so many object references, then what more does.
void LoadReferences(
    const std::string& bytes, int count, LoadedObjects& loaded,
    const std::function<void(CArchive&)>& more = [](CArchive&) {})
{
    LoadFromBytes(bytes, [&](CArchive& ar) {
        for (int i = 0; i < count; ++i)
            loaded.refs.push_back(ar.ReadObject(RUNTIME_CLASS(CObject)));
        more(ar);
    });
}

std::string Bytes(std::initializer_list<int> values) { return std::string(values.begin(), values.end()); }

} // namespace

TEST(CArchive, StoresAndLoadsObjectReferencesInTheMfcLayout)
{
    TPoint first(1, 2), second(3, 4);
    TLabel label;
    label.text = "表ソ";
    std::string stored = StoreToBytes(
        [&](CArchive& ar) { ar << &first << &second << &first << static_cast<CObject*>(nullptr) << &label; });
    EXPECT_EQ(Hex(ReadHexFixture("platform/archive_objects.hex")), Hex(stored));

    LoadedObjects loaded;
    LoadReferences(stored, 5, loaded);
    auto* one = dynamic_cast<TPoint*>(loaded.refs[0]);
    auto* two = dynamic_cast<TPoint*>(loaded.refs[1]);
    auto* text = dynamic_cast<TLabel*>(loaded.refs[4]);
    ASSERT_TRUE(one && two && text);
    EXPECT_EQ(2, one->y);
    EXPECT_EQ(3, two->x);
    EXPECT_EQ(one, loaded.refs[2]);
    EXPECT_EQ(nullptr, loaded.refs[3]);
    EXPECT_EQ(CString("表ソ"), text->text);
}

TEST(CArchive, StringLengthTakesItsThreeForms)
{
    for (const std::vector<CString>& c : ReadTabbedCases("platform/archive_string_lengths.tsv")) {
        CString text(std::string(std::stoul(c[0].Bytes()), 'x'));
        std::string stored = StoreToBytes([&](CArchive& ar) { ar << text; });
        EXPECT_EQ(c[1].Bytes(), Hex(stored.substr(0, stored.size() - text.GetLength()))) << c[0];
        CString loaded("old");
        LoadFromBytes(stored, [&](CArchive& ar) { ar >> loaded; });
        EXPECT_EQ(text, loaded);
    }
}

TEST(CArchive, ReadsWideStringsAsCp932)
{
    CString loaded; // FF FE FF: wide text follows, of 02 UTF-16 units: "A" and 表 (U+8868)
    LoadFromBytes(FromHex("FF FE FF 02 41 00 68 88"), [&](CArchive& ar) { ar >> loaded; });
    EXPECT_EQ(CString("A表"), loaded);
}

TEST(CArchive, SchemaOfAReferenceIsTakenOnce)
{
    // TPoint stored with schema 0, an older layout: a versionable class accepts it and a later
    // reference to the same class reports the stored schema again.
    std::string bytes = Bytes({0xFF, 0xFF, 0x00, 0x00, 0x06, 0x00}) + "TPoint" + Bytes({0x01, 0x80});
    LoadFromBytes(bytes, [&](CArchive& ar) {
        EXPECT_EQ(RUNTIME_CLASS(TPoint), ar.ReadClass(RUNTIME_CLASS(TPoint)));
        EXPECT_EQ(0u, ar.GetObjectSchema());
        EXPECT_EQ(0xFFFFFFFFu, ar.GetObjectSchema());
        ar.ReadClass(RUNTIME_CLASS(CObject));
        EXPECT_EQ(0u, ar.GetObjectSchema());
    });
    std::string current = Bytes({0xFF, 0xFF, 0x01, 0x00, 0x06, 0x00}) + "TPoint" + Bytes({0x01, 0x80});
    LoadFromBytes(current, [&](CArchive& ar) {
        ar.ReadClass(RUNTIME_CLASS(TPoint));
        ar.ReadClass(RUNTIME_CLASS(TPoint));
        EXPECT_EQ(1u, ar.GetObjectSchema());
    });
}

TEST(CArchive, LargeIndicesUseTheEscapeTag)
{
    // Map index 1 is the class; object n (from 1) takes index n + 1. Object 0x7FFD has index
    // 0x7FFE, the last short form; object 0x7FFE has index 0x7FFF, which needs the escape.
    const int count = 0x7FFE;
    std::vector<std::unique_ptr<TPoint>> points;
    for (int i = 0; i < count; ++i)
        points.push_back(std::make_unique<TPoint>(i, 0));
    TLabel label;
    std::string stored = StoreToBytes([&](CArchive& ar) {
        for (auto& p : points)
            ar << p.get();
        ar << points[count - 2].get() << points[count - 1].get();
        ar << &label; // its class takes index 0x8000, the object 0x8001
        ar.WriteClass(RUNTIME_CLASS(TLabel));
    });
    // Object index 0x7FFE; the escape and object index 0x7FFF; TLabel and its object's index; the
    // escape and class index 0x8000.
    std::string tail =
        FromHex("FE 7F  FF 7F FF 7F 00 00  FF FF 01 00 06 00") + "TLabel" + FromHex("00  FF 7F 00 80 00 80");
    ASSERT_GT(stored.size(), tail.size());
    EXPECT_EQ(Hex(tail), Hex(stored.substr(stored.size() - tail.size())));

    LoadedObjects loaded;
    LoadReferences(stored, count + 3, loaded,
                   [](CArchive& ar) { EXPECT_EQ(RUNTIME_CLASS(TLabel), ar.ReadClass(RUNTIME_CLASS(TLabel))); });
    EXPECT_EQ(loaded.refs[count - 2], loaded.refs[count]);
    EXPECT_EQ(loaded.refs[count - 1], loaded.refs[count + 1]);
    EXPECT_EQ(count - 1, static_cast<TPoint*>(loaded.refs[count - 1])->x);
}

TEST(CArchive, MalformedInputThrowsArchiveException)
{
    const std::map<CString, int> causes = {{"badClass", CArchiveException::badClass},
                                           {"badIndex", CArchiveException::badIndex},
                                           {"badSchema", CArchiveException::badSchema},
                                           {"endOfFile", CArchiveException::endOfFile}};
    for (const std::vector<CString>& c : ReadTabbedCases("platform/archive_malformed.tsv")) {
        try {
            LoadedObjects loaded;
            LoadReferences(FromHex(c[2].Bytes()), 2, loaded);
            ADD_FAILURE() << c[0] << ": no exception";
        } catch (CArchiveException* e) {
            EXPECT_EQ(causes.at(c[1]), e->m_cause) << c[0];
            e->Delete();
        }
    }
}

TEST(CArchive, RefusesAClassThatIsNotTheExpectedOneOrCannotBeStored)
{
    std::string bytes = ReadHexFixture("platform/archive_objects.hex");
    EXPECT_TRUE(ThrowsArchiveException(
        [&] { LoadFromBytes(bytes, [&](CArchive& ar) { delete ar.ReadObject(RUNTIME_CLASS(TLabel)); }); }));
    EXPECT_TRUE(ThrowsArchiveException(
        [&] { LoadFromBytes(bytes, [&](CArchive& ar) { ar.ReadClass(RUNTIME_CLASS(TLabel)); }); }));
    EXPECT_TRUE(
        ThrowsArchiveException([] { StoreToBytes([](CArchive& ar) { ar.WriteClass(RUNTIME_CLASS(CObject)); }); }));
}
