// The archive form of the drawing classes, byte for byte against hand-made fixtures.
#include "print/VhDrawCircle.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawPolygon.h"
#include "print/VhDrawPolyline.h"
#include "print/VhDrawRect.h"
#include "print/VhFigureCircle.h"
#include "print/VhFigureGrid.h"
#include "print/VhFigureLine.h"
#include "print/VhFigurePolygon.h"
#include "tests/print/PrintTestSupport.h"

#include <functional>
#include <set>
#include <vector>

using namespace printtest;
using testsupport::Hex;

namespace {

VhValue MakeValueWithStrings()
{
    VhValue value(2, 2, 2);
    value.SetInt(0, -1);
    value.SetInt(1, 7);
    value.SetDouble(0, 2.5);
    value.SetDouble(1, -0.0);
    value.SetString(0, "表");
    value.SetString(1, CString('x', 255));
    return value;
}

template <class Polyline> void AddPoints(Polyline& polyline, std::initializer_list<VhPoint> points)
{
    for (const VhPoint& point : points)
        polyline.AddPoint(point);
}

void SetLine(VhFigureLine& line, const VhPoint& end1, const VhPoint& end2, int flag1, int flag2)
{
    line.SetEnd1(end1);
    line.SetEnd2(end2);
    line.SetEndFlags(flag1, flag2);
}

void SetText(VhFigureString& text)
{
    text.SetPosition(VhPoint(100, 50));
    text.SetText("AB");
    text.SetHeight(10);
    text.SetAlignment(4);
    text.SetShape(7);
}

void SetGrid(VhFigureGrid& grid)
{
    grid.SetOrigin(VhPoint(1, 2));
    grid.SetPitch(VhPoint(5, 5));
    grid.SetAngle(0.5);
    grid.SetStyle(3);
}

VhDrawLine* MakeDrawLine()
{
    auto* draw = new VhDrawLine;
    draw->SetLineType(2);
    draw->SetLineWidth(1);
    draw->SetStyleOption(3);
    draw->SetColor(5);
    draw->SetStyleValue(0.5);
    SetLine(draw->GetShape(), VhPoint(0, 0), VhPoint(10, 0), 1, 1);
    return draw;
}

struct FixtureCase {
    const char* fixture;
    size_t size;
    std::function<VhObject*()> make;
};

// Each sample as its fixture's comment describes it; the sizes are worked out from the layout.
const std::vector<FixtureCase>& FixtureCases()
{
    static const std::vector<FixtureCase> cases = {
        {"value_5_5_0.hex", 66, [] { return new VhValue(5, 5, 0); }},
        {"value_strings.hex", 291, [] { return new VhValue(MakeValueWithStrings()); }},
        {"point.hex", 66, [] { return new VhPoint(1, -2, 3); }},
        {"trans.hex", 146, [] { return new VhTrans(Translation(10, 20)); }},
        {"figure_line.hex", 192,
         [] {
             auto* line = new VhFigureLine;
             SetLine(*line, VhPoint(0, 0), VhPoint(10, 5), 1, 0);
             return line;
         }},
        {"figure_line_trans.hex", 351,
         [] {
             auto* line = new VhFigureLine(VhPoint(0, 0), VhPoint(10, 5));
             VhTrans trans = Translation(1, 2);
             line->SetTrans(&trans);
             return line;
         }},
        {"figure_rect.hex", 172, [] { return new VhFigureRect(VhPoint(1, 2), VhPoint(3, 4)); }},
        {"figure_polyline.hex", 240,
         [] {
             auto* polyline = new VhFigurePolyline;
             AddPoints(*polyline, {VhPoint(0, 0), VhPoint(10, 0), VhPoint(10, 10)});
             return polyline;
         }},
        {"figure_polygon.hex", 306,
         [] {
             auto* polygon = new VhFigurePolygon;
             AddPoints(*polygon, {VhPoint(0, 0), VhPoint(10, 0), VhPoint(10, 10), VhPoint(0, 10)});
             return polygon;
         }},
        {"figure_circle.hex", 192, [] { return new VhFigureCircle(VhPoint(5, 5), 2.5); }},
        {"figure_string.hex", 171,
         [] {
             auto* text = new VhFigureString;
             SetText(*text);
             return text;
         }},
        {"figure_grid.hex", 232,
         [] {
             auto* grid = new VhFigureGrid;
             SetGrid(*grid);
             return grid;
         }},
        {"draw_line.hex", 284, [] { return MakeDrawLine(); }},
        {"draw_rect.hex", 264,
         [] {
             auto* draw = new VhDrawRect;
             draw->SetHatch(3);
             draw->GetShape().SetCorners(VhPoint(1, 2), VhPoint(3, 4));
             return draw;
         }},
        {"draw_polyline.hex", 332,
         [] {
             auto* draw = new VhDrawPolyline;
             AddPoints(draw->GetShape(), {VhPoint(0, 0), VhPoint(10, 0), VhPoint(10, 10)});
             return draw;
         }},
        {"draw_polygon.hex", 332,
         [] {
             auto* draw = new VhDrawPolygon;
             draw->SetColor(7);
             AddPoints(draw->GetShape(), {VhPoint(0, 0), VhPoint(10, 0), VhPoint(10, 10)});
             return draw;
         }},
        {"draw_circle.hex", 284,
         [] {
             auto* draw = new VhDrawCircle;
             draw->SetLineWidth(4);
             draw->GetShape().SetCentre(VhPoint(5, 5));
             draw->GetShape().SetRadius(2.5);
             return draw;
         }},
        {"draw_string.hex", 283,
         [] {
             auto* draw = new VhDrawString;
             draw->m_fontStyle = VhDrawString::Bold | VhDrawString::Underline;
             draw->m_fontFace = 2;
             SetText(draw->GetShape());
             return draw;
         }},
        {"draw_grid.hex", 324,
         [] {
             auto* draw = new VhDrawGrid;
             draw->SetROP2(13);
             draw->SetBkMode(2);
             SetGrid(draw->GetShape());
             return draw;
         }},
        {"draw_composition.hex", 394,
         [] {
             auto* composition = new VhDrawComposition;
             composition->Add(MakeDrawLine());
             return composition;
         }},
    };
    return cases;
}

} // namespace

// Each class stores the bytes of its fixture, and the fixture loads into a new object of the class
// found by its name (a stored class of schema 0), equal to the sample, that stores the same bytes again.
TEST(VhArchiveForm, EveryClassStoresAndLoadsItsFixture)
{
    for (const FixtureCase& c : FixtureCases()) {
        SCOPED_TRACE(c.fixture);
        std::unique_ptr<VhObject> sample(c.make());
        std::string bytes = Fixture(c.fixture);
        EXPECT_EQ(c.size, bytes.size());
        EXPECT_EQ(Hex(bytes), Hex(Store(*sample)));
        EXPECT_EQ(0u, sample->GetRuntimeClass()->m_wSchema);
        std::unique_ptr<VhObject> loaded = Create(sample->GetRuntimeClass()->m_lpszClassName);
        ASSERT_NE(nullptr, loaded);
        EXPECT_EQ(sample->GetRuntimeClass(), loaded->GetRuntimeClass());
        Load(*loaded, bytes);
        EXPECT_TRUE(loaded->IsEqual(sample.get()));
        EXPECT_TRUE(sample->IsEqual(loaded.get()));
        EXPECT_EQ(Hex(bytes), Hex(Store(*loaded)));
    }
}

// From 0xFFFF elements on a count is 0xFFFF and 32 bits; the loader takes that form for any count.
TEST(VhArchiveForm, ValueCountsTakeTheirShortAndLongForms)
{
    VhValue shortCounts(0xFFFE, 0, 0);
    EXPECT_EQ("FE FF", Hex(Store(shortCounts).substr(0, 2)));
    VhValue longCounts(0xFFFF, 0, 0);
    longCounts.SetInt(0xFFFE, 9);
    std::string bytes = Store(longCounts);
    EXPECT_EQ(6 + 4 * 0xFFFF + 4u, bytes.size());
    EXPECT_EQ("FF FF FF FF 00 00", Hex(bytes.substr(0, 6)));
    VhValue loaded;
    Load(loaded, bytes);
    EXPECT_TRUE(loaded.IsEqual(&longCounts));

    VhValue expected(2, 0, 0);
    expected.SetInt(0, 3);
    expected.SetInt(1, -4);
    Load(loaded, Fixture("value_long_counts.hex"));
    EXPECT_TRUE(loaded.IsEqual(&expected));
    EXPECT_EQ("02 00 03 00 00 00 FC FF FF FF 00 00 00 00", Hex(Store(loaded)));
}

TEST(VhArchiveForm, ValueStringOfTheLongestLengthFormKeepsItsBytes)
{
    VhValue value(0, 0, 1);
    value.SetString(0, CString('y', 0xFFFE));
    std::string bytes = Store(value);
    EXPECT_EQ("00 00 00 00 01 00 FF FF FF FE FF 00 00", Hex(bytes.substr(0, 13)));
    VhValue loaded;
    Load(loaded, bytes);
    EXPECT_TRUE(loaded.IsEqual(&value));
}

TEST(VhArchiveForm, CircleTakesItsRadiusFromTheSecondRecord)
{
    std::string bytes = Fixture("figure_circle.hex");
    // The first circle record follows the figure part (34 bytes) and the centre (66): its double 0
    // starts after its two counts.
    ASSERT_EQ(std::string(8, '\0'), bytes.substr(104, 8));
    bytes.replace(104, 8, std::string("\x00\x00\x00\x00\x00\x00\xF0\x3F", 8));
    VhFigureCircle circle;
    Load(circle, bytes);
    EXPECT_EQ(2.5, circle.GetRadius());
}

// A loaded figure replaces its own transform: the one before is deleted (the leak check sees it).
TEST(VhArchiveForm, LoadingReplacesTheOwnTransform)
{
    VhFigureLine line;
    VhTrans before = Rotation(1.0);
    line.SetTrans(&before);
    Load(line, Fixture("figure_line_trans.hex"));
    ASSERT_NE(nullptr, line.GetTrans());
    VhTrans expected = Translation(1, 2);
    EXPECT_TRUE(line.GetTrans()->IsEqual(&expected));
    Load(line, Fixture("figure_line.hex"));
    EXPECT_EQ(nullptr, line.GetTrans());
}

TEST(VhArchiveForm, PointLoadedKeepsItsCoordinatesExactlyAndTakesANewSerialId)
{
    VhPoint point(0.1, -1e300, 1.0 / 3);
    VhPoint loaded;
    DWORD idBefore = loaded.GetSerialId();
    Load(loaded, Store(point));
    EXPECT_EQ(0.1, loaded.x);
    EXPECT_EQ(-1e300, loaded.y);
    EXPECT_EQ(1.0 / 3, loaded.z);
    EXPECT_EQ(idBefore, loaded.GetSerialId());
    EXPECT_NE(point.GetSerialId(), loaded.GetSerialId());
}

// A list of one drawable of each kind, a composition inside a composition among them, comes back
// through creation by class name: each object equal to its source, with a serial id of its own.
TEST(VhArchiveForm, ListOfEveryDrawableComesBackByClassName)
{
    CObList sources;
    for (const FixtureCase& c : FixtureCases())
        if (std::string(c.fixture).rfind("draw_", 0) == 0)
            sources.AddTail(c.make());
    auto* outer = new VhDrawComposition;
    auto* inner = new VhDrawComposition;
    inner->Add(MakeDrawLine());
    auto* circle = new VhDrawCircle;
    circle->GetShape().SetRadius(3);
    inner->Add(circle);
    outer->Add(inner);
    outer->Add(MakeDrawLine());
    outer->SetColor(4);
    sources.AddTail(outer);
    ASSERT_EQ(9, sources.GetCount());

    std::string bytes = testsupport::StoreToBytes([&](CArchive& ar) { sources.Serialize(ar); });
    CObList loaded;
    testsupport::LoadFromBytes(bytes, [&](CArchive& ar) { loaded.Serialize(ar); });
    ASSERT_EQ(sources.GetCount(), loaded.GetCount());
    std::set<DWORD> ids;
    for (POSITION source = sources.GetHeadPosition(), copy = loaded.GetHeadPosition(); source;) {
        auto* original = static_cast<VhDraw*>(sources.GetNext(source));
        auto* read = static_cast<VhDraw*>(loaded.GetNext(copy));
        SCOPED_TRACE(original->GetRuntimeClass()->m_lpszClassName);
        EXPECT_EQ(original->GetRuntimeClass(), read->GetRuntimeClass());
        EXPECT_TRUE(read->IsEqual(original));
        ids.insert(original->GetSerialId());
        ids.insert(read->GetSerialId());
    }
    EXPECT_EQ(18u, ids.size());
    for (CObList* list : {&sources, &loaded})
        while (!list->IsEmpty())
            delete list->RemoveHead();
}
