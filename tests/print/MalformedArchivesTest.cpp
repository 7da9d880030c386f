// Damaged archives of the drawing classes: loading either succeeds or throws CArchiveException,
// never reads or reserves beyond the input, and the sanitizers see no leak and no bad access.
#include "tests/print/PrintTestSupport.h"

#include "print/VhDrawImp.h"
#include "tests/support/FromHex.h"

#include <vector>

using namespace printtest;
using testsupport::FromHex;
using testsupport::ThrowsArchiveException;

namespace {

struct FixtureClass {
    const char* fixture;
    const char* className;
};

const FixtureClass fixtures[] = {
    {"value_5_5_0.hex", "VhValue"},
    {"value_strings.hex", "VhValue"},
    {"value_long_counts.hex", "VhValue"},
    {"point.hex", "VhPoint"},
    {"trans.hex", "VhTrans"},
    {"figure_line.hex", "VhFigureLine"},
    {"figure_line_trans.hex", "VhFigureLine"},
    {"figure_rect.hex", "VhFigureRect"},
    {"figure_polyline.hex", "VhFigurePolyline"},
    {"figure_polygon.hex", "VhFigurePolygon"},
    {"figure_circle.hex", "VhFigureCircle"},
    {"figure_string.hex", "VhFigureString"},
    {"figure_grid.hex", "VhFigureGrid"},
    {"draw_line.hex", "VhDrawLine"},
    {"draw_rect.hex", "VhDrawRect"},
    {"draw_polyline.hex", "VhDrawPolyline"},
    {"draw_polygon.hex", "VhDrawPolygon"},
    {"draw_circle.hex", "VhDrawCircle"},
    {"draw_string.hex", "VhDrawString"},
    {"draw_grid.hex", "VhDrawGrid"},
    {"draw_composition.hex", "VhDrawComposition"},
};

// Loads bytes into a new object of the class; whether that threw CArchiveException.
bool LoadFails(const char* className, const std::string& bytes)
{
    return ThrowsArchiveException([&] {
        std::unique_ptr<VhObject> object = Create(className);
        testsupport::LoadFromBytes(bytes, [&](CArchive& ar) { object->Serialize(ar); });
    });
}

// The fixture with every occurrence of one byte string replaced by another of the same length.
std::string Replaced(std::string bytes, const std::string& from, const std::string& to)
{
    for (size_t at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size()))
        bytes.replace(at, from.size(), to);
    return bytes;
}

// Compositions nested so many levels deep (2 or more): the drawable part of each level with a list
// of one child, the next level; the innermost with an empty list; the empty record of every level.
std::string NestedCompositions(int levels)
{
    VhDrawComposition empty;
    const std::string drawable = Store(empty).substr(0, 86);
    std::string nested = drawable + FromHex("01 00 FF FF 00 00 11 00") + "VhDrawComposition";
    for (int level = 2; level < levels; ++level)
        nested += drawable + FromHex("01 00 01 80");
    return nested + drawable + FromHex("00 00") + std::string(6 * levels, '\0');
}

} // namespace

// Objects nested as deep as an archive allows load, and copying, comparing, measuring, drawing
// and storing the tree stay within the stack; a level more fails, as do the 12,000 levels that
// overflowed the stack, and the levels read are freed.
TEST(VhMalformedArchives, NestingDeeperThanTheArchiveAllowsFails)
{
    const std::string deepest = NestedCompositions(CArchive::maxObjectDepth + 1);
    VhDrawComposition loaded;
    Load(loaded, deepest);
    std::unique_ptr<VhDrawComposition> copy(loaded.Clone());
    VhFigureRect extent;
    VhDrawImp imp;
    EXPECT_TRUE(copy->IsEqual(&loaded) && !copy->GetExtent(nullptr, &extent) && !copy->Draw(&imp, nullptr));
    EXPECT_EQ(deepest, Store(*copy));
    EXPECT_TRUE(LoadFails("VhDrawComposition", NestedCompositions(CArchive::maxObjectDepth + 2)));
    EXPECT_TRUE(LoadFails("VhDrawComposition", NestedCompositions(12000)));
}

// Every byte of a fixture is needed: each shorter copy fails.
TEST(VhMalformedArchives, EveryTruncationFails)
{
    for (const FixtureClass& c : fixtures) {
        std::string bytes = Fixture(c.fixture);
        for (size_t cut = 0; cut < bytes.size(); ++cut)
            ASSERT_TRUE(LoadFails(c.className, bytes.substr(0, cut))) << c.fixture << " cut at " << cut;
    }
}

// Seeded byte changes and every truncation of every fixture: a result or CArchiveException.
TEST(VhMalformedArchives, DamagedCopiesLoadOrFail)
{
    for (const FixtureClass& c : fixtures) {
        testsupport::ForEachDamagedCopy(Fixture(c.fixture), 300, [&](const std::string& copy) {
            std::unique_ptr<VhObject> object = Create(c.className);
            ThrowsArchiveException(
                [&] { testsupport::LoadFromBytes(copy, [&](CArchive& ar) { object->Serialize(ar); }); });
        });
    }
}

// A count of 0xFFFFFFFF in 100 bytes fails at the input's end, reserving nothing for the count.
TEST(VhMalformedArchives, CountBeyondTheInputFails)
{
    std::string bytes = FromHex("FF FF FF FF FF FF") + std::string(94, '\0');
    EXPECT_TRUE(LoadFails("VhValue", bytes));
    // A child list of that count, holding null objects of two bytes each until the input ends.
    EXPECT_TRUE(LoadFails("VhDrawComposition", Fixture("draw_composition.hex").substr(0, 86) + bytes.substr(0, 14)));
}

TEST(VhMalformedArchives, RecordWithFewerSlotsThanFieldsFails)
{
    // A point whose record holds two doubles (1 and -2) where it keeps three.
    EXPECT_TRUE(LoadFails("VhPoint", FromHex("05 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00"
                                             " 02 00 00 00 00 00 00 00 F0 3F 00 00 00 00 00 00 00 C0 00 00")));
    // A text whose string array holds no string.
    std::string text = Fixture("figure_string.hex");
    EXPECT_TRUE(LoadFails("VhFigureString", text.substr(0, 100) + FromHex("00 00") + text.substr(105)));
}

TEST(VhMalformedArchives, TransformListOfAnotherClassFails)
{
    std::string bytes = Fixture("figure_line_trans.hex");
    // "VhPoint" has the length of "VhTrans"; the list must hold a transform.
    EXPECT_TRUE(LoadFails("VhFigureLine", Replaced(bytes, "VhTrans", "VhPoint")));
    // Two transforms: the own transform is one.
    std::string trans = Fixture("trans.hex");
    std::string twoTransforms = bytes.substr(0, 6) + FromHex("02 00") + bytes.substr(8, 13 + 146) + FromHex("01 80") +
                                trans + bytes.substr(8 + 13 + 146);
    EXPECT_TRUE(LoadFails("VhFigureLine", twoTransforms));
}

TEST(VhMalformedArchives, UnknownClassNameFails)
{
    EXPECT_TRUE(LoadFails("VhDrawComposition", Replaced(Fixture("draw_composition.hex"), "VhDrawLine", "VhDrawXine")));
    EXPECT_TRUE(LoadFails("VhFigureLine", Replaced(Fixture("figure_line_trans.hex"), "VhTrans", "VhTranz")));
}

// A child list that names one object twice, or the composition itself, would own an object twice.
TEST(VhMalformedArchives, ReferenceBackToAnObjectReadFails)
{
    std::string bytes = Fixture("draw_composition.hex");
    const size_t childList = 86;
    const size_t child = childList + 2 + 16;
    // The child is object 2 of the archive (the class VhDrawLine is 1): name it again.
    std::string twice = bytes.substr(0, childList) + FromHex("02 00") + bytes.substr(childList + 2, 16 + 284) +
                        FromHex("02 00") + bytes.substr(child + 284);
    EXPECT_TRUE(LoadFails("VhDrawComposition", twice));

    // Read as an object of a list, the composition is object 2 and its child list names it.
    std::string self = FromHex("01 00 FF FF 00 00 11 00") + "VhDrawComposition" + bytes.substr(0, childList) +
                       FromHex("01 00 02 00") + bytes.substr(child + 284);
    EXPECT_TRUE(ThrowsArchiveException([&] {
        CObList list;
        testsupport::LoadFromBytes(self, [&](CArchive& ar) { list.Serialize(ar); });
    }));
}
