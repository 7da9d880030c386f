// Drawables: attributes, fill, hits, equality, clones and the composition of drawables.
#include "print/VhDrawCircle.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawPolygon.h"
#include "print/VhDrawPolyline.h"
#include "print/VhDrawRect.h"
#include "tests/print/PrintTestSupport.h"

#include <string>

using namespace printtest;

namespace {

VhDrawRect* Rect(double x1, double y1, double x2, double y2)
{
    auto* draw = new VhDrawRect;
    draw->GetShape().SetCorners(VhPoint(x1, y1), VhPoint(x2, y2));
    return draw;
}

VhDrawLine* Line(double x1, double y1, double x2, double y2)
{
    auto* draw = new VhDrawLine;
    draw->GetShape().SetEnd1(VhPoint(x1, y1));
    draw->GetShape().SetEnd2(VhPoint(x2, y2));
    return draw;
}

// A renderer that notes each operation called, and draws when told to.
class RecordingImp : public VhDrawImp {
public:
    explicit RecordingImp(int result) : m_result(result) {}
    int DrawLine(const VhDrawLine* draw, const VhTrans* trans) override { return Note("line", draw, trans); }
    int DrawRect(const VhDrawRect* draw, const VhTrans* trans) override { return Note("rect", draw, trans); }
    int DrawPolyline(const VhDrawPolyline* draw, const VhTrans* trans) override
    {
        return Note("polyline", draw, trans);
    }
    int DrawPolygon(const VhDrawPolygon* draw, const VhTrans* trans) override { return Note("polygon", draw, trans); }
    int DrawCircle(const VhDrawCircle* draw, const VhTrans* trans) override { return Note("circle", draw, trans); }
    int DrawString(const VhDrawString* draw, const VhTrans* trans) override { return Note("string", draw, trans); }
    int DrawGrid(const VhDrawGrid* draw, const VhTrans* trans) override { return Note("grid", draw, trans); }

    std::string calls;
    const VhDraw* lastDraw = nullptr;
    const VhTrans* lastTrans = nullptr;

private:
    int Note(const char* name, const VhDraw* draw, const VhTrans* trans)
    {
        calls += std::string(calls.empty() ? "" : " ") + name;
        lastDraw = draw;
        lastTrans = trans;
        return m_result;
    }
    int m_result;
};

} // namespace

TEST(VhDraw, HatchFillsTheFigure)
{
    std::unique_ptr<VhDrawRect> rect(Rect(0, 0, 10, 10));
    const VhPoint interior(5, 5);
    EXPECT_FALSE(rect->HitByFill(interior, -1, FALSE));
    rect->SetHatch(3);
    EXPECT_TRUE(rect->IsFilled());
    EXPECT_EQ(1, rect->GetShape().GetFillFlag());
    EXPECT_TRUE(rect->HitByFill(interior, -1, FALSE));
    EXPECT_FALSE(rect->HitOutline(interior, -1, FALSE));
    EXPECT_TRUE(rect->HitByFill(VhPoint(10, 5), -1, FALSE));
    rect->SetHatch(VhDraw::NoHatch);
    EXPECT_FALSE(rect->IsFilled());
    EXPECT_FALSE(rect->HitByFill(interior, -1, FALSE));
    EXPECT_TRUE(rect->HitByFill(VhPoint(10, 5), -1, FALSE));
}

TEST(VhDraw, GeometryGoesToTheFigure)
{
    std::unique_ptr<VhDrawLine> line(Line(0, 0, 10, 0));
    VhTrans trans = Translation(0, 5);
    line->SetTrans(&trans);
    ASSERT_NE(nullptr, line->GetTrans());
    EXPECT_TRUE(line->GetTrans()->IsEqual(&trans));
    VhFigureRect extent;
    EXPECT_TRUE(line->GetExtent(nullptr, &extent));
    EXPECT_TRUE(Near(extent.GetCorner1(), 0, 5));
    line->Transform(Translation(1, 0));
    EXPECT_TRUE(Near(line->GetShape().GetEnd1(), 1, 0));
    EXPECT_EQ(1, line->Hit(VhPoint(5, 0), -1, FALSE));
    EXPECT_EQ(line->GetFigure(), &line->GetShape());
}

// Each kind hands itself to the renderer operation of its kind, with the transform given.
TEST(VhDraw, DrawCallsTheOperationOfItsKind)
{
    std::unique_ptr<VhDraw> draws[] = {
        std::unique_ptr<VhDraw>(new VhDrawLine),     std::unique_ptr<VhDraw>(new VhDrawRect),
        std::unique_ptr<VhDraw>(new VhDrawPolyline), std::unique_ptr<VhDraw>(new VhDrawPolygon),
        std::unique_ptr<VhDraw>(new VhDrawCircle),   std::unique_ptr<VhDraw>(new VhDrawString),
        std::unique_ptr<VhDraw>(new VhDrawGrid),
    };
    RecordingImp imp(1);
    VhTrans trans;
    for (auto& draw : draws) {
        EXPECT_EQ(1, draw->Draw(&imp, &trans));
        EXPECT_EQ(draw.get(), imp.lastDraw);
        EXPECT_EQ(&trans, imp.lastTrans);
    }
    EXPECT_EQ("line rect polyline polygon circle string grid", imp.calls);
    RecordingImp nothing(0);
    EXPECT_EQ(0, draws[0]->Draw(&nothing, nullptr));
    VhDrawImp plain;
    EXPECT_EQ(0, draws[5]->Draw(&plain, nullptr));
}

// Equal drawables: the same class, the same int fields and style value, equal figures.
TEST(VhDraw, Equality)
{
    std::unique_ptr<VhDrawLine> line(Line(0, 0, 10, 0));
    std::unique_ptr<VhDrawLine> same(Line(0, 0, 10, 0.005));
    EXPECT_TRUE(line->IsEqual(same.get()));
    same->SetColor(1);
    EXPECT_FALSE(line->IsEqual(same.get()));
    std::unique_ptr<VhDrawLine> otherFigure(Line(0, 0, 10, 1));
    EXPECT_FALSE(line->IsEqual(otherFigure.get()));
    std::unique_ptr<VhDrawLine> otherStyle(Line(0, 0, 10, 0));
    otherStyle->SetStyleValue(-0.0);
    EXPECT_TRUE(line->IsEqual(otherStyle.get()));
    otherStyle->SetStyleOption(2);
    EXPECT_FALSE(line->IsEqual(otherStyle.get()));

    VhDrawPolygon polygon;
    VhDrawPolyline polyline;
    EXPECT_FALSE(polygon.IsEqual(&polyline));
    EXPECT_FALSE(polyline.IsEqual(&polygon));
    VhFigureLine figure;
    EXPECT_FALSE(VhDrawLine().IsEqual(&figure));

    // The reserved field, which only an archive sets, is compared too.
    std::string bytes = Fixture("draw_line.hex");
    std::unique_ptr<VhDrawLine> stored(new VhDrawLine);
    Load(*stored, bytes);
    std::unique_ptr<VhDrawLine> reserved(new VhDrawLine);
    Load(*reserved, bytes.replace(2, 4, std::string("\x01\x00\x00\x00", 4)));
    EXPECT_EQ(1, reserved->GetReserved());
    EXPECT_FALSE(stored->IsEqual(reserved.get()));

    VhDrawString text, otherFont;
    otherFont.m_fontFace = 1;
    EXPECT_FALSE(text.IsEqual(&otherFont));
    otherFont.m_fontFace = 0;
    otherFont.m_fontStyle = VhDrawString::Italic;
    EXPECT_FALSE(text.IsEqual(&otherFont));
}

// A clone leaves the style value at 0: a clone of a drawable with a style value is not equal to it.
TEST(VhDraw, CloneCopiesAllButTheStyleValue)
{
    std::unique_ptr<VhDrawLine> line(Line(0, 0, 10, 0));
    line->SetColor(3);
    line->SetROP2(13);
    VhTrans trans = Translation(1, 1);
    line->SetTrans(&trans);
    std::unique_ptr<VhDraw> clone(line->Clone());
    EXPECT_TRUE(clone->IsEqual(line.get()));
    EXPECT_NE(line->GetTrans(), clone->GetTrans());
    line->SetStyleValue(2.5);
    std::unique_ptr<VhDraw> styled(line->Clone());
    EXPECT_EQ(0.0, styled->GetStyleValue());
    EXPECT_FALSE(styled->IsEqual(line.get()));

    VhDrawString text;
    text.m_fontStyle = VhDrawString::Bold;
    text.GetShape().SetText("表");
    std::unique_ptr<VhDraw> textClone(text.Clone());
    EXPECT_TRUE(textClone->IsEqual(&text));
}

TEST(VhDrawComposition, SetAttributesReachesEveryChildAndLeavesItsOwn)
{
    VhDrawComposition composition;
    VhDrawRect* rect = Rect(0, 0, 10, 10);
    rect->SetHatch(3);
    VhDrawLine* line = Line(0, 0, 1, 1);
    composition.Add(rect);
    composition.Add(line);
    const int attributes[4] = {5, 2, 1, VhDraw::NoHatch};
    composition.SetAttributes(attributes);
    for (const VhDraw* child : {static_cast<VhDraw*>(rect), static_cast<VhDraw*>(line)}) {
        EXPECT_EQ(5, child->GetColor());
        EXPECT_EQ(2, child->GetLineType());
        EXPECT_EQ(1, child->GetLineWidth());
        EXPECT_EQ(VhDraw::NoHatch, child->GetHatch());
    }
    EXPECT_FALSE(rect->IsFilled());
    EXPECT_EQ(0, composition.GetColor());
    EXPECT_EQ(0, composition.GetLineType());
    EXPECT_EQ(0, composition.GetLineWidth());
    composition.SetROP2(6);
    composition.SetBkMode(2);
    composition.SetStyleOption(4);
    composition.SetStyleValue(1.5);
    EXPECT_EQ(6, line->GetROP2());
    EXPECT_EQ(2, line->GetBkMode());
    EXPECT_EQ(4, line->GetStyleOption());
    EXPECT_EQ(1.5, line->GetStyleValue());
    EXPECT_EQ(9, composition.GetROP2());
    EXPECT_EQ(0.0, composition.GetStyleValue());
    composition.SetHatch(4);
    EXPECT_TRUE(rect->IsFilled());
    EXPECT_FALSE(composition.IsFilled());
    EXPECT_EQ(VhDraw::NoHatch, composition.GetHatch());
}

TEST(VhDrawComposition, HitsOfItsChildren)
{
    VhDrawComposition composition;
    EXPECT_EQ(0, composition.Hit(VhPoint(5, 5), -1, FALSE));
    composition.Add(Rect(0, 0, 10, 10));
    EXPECT_EQ(2, composition.Hit(VhPoint(5, 5), -1, FALSE));
    composition.Add(Line(0, 5, 10, 5));
    EXPECT_EQ(1, composition.Hit(VhPoint(5, 5), -1, FALSE));
    EXPECT_TRUE(composition.HitOutline(VhPoint(5, 5), -1, FALSE));
    EXPECT_TRUE(composition.HitInside(VhPoint(5, 6), -1, FALSE));
    EXPECT_FALSE(composition.HitByFill(VhPoint(5, 6), -1, FALSE));
    composition.SetHatch(1);
    EXPECT_TRUE(composition.HitByFill(VhPoint(5, 6), -1, FALSE));
    EXPECT_EQ(0, composition.Hit(VhPoint(50, 50), -1, FALSE));
}

TEST(VhDrawComposition, ExtentIsTheUnionOfItsChildren)
{
    VhDrawComposition composition;
    VhFigureRect extent(VhPoint(7, 7), VhPoint(8, 8));
    EXPECT_FALSE(composition.GetExtent(nullptr, &extent));
    composition.Add(new VhDrawGrid);
    EXPECT_FALSE(composition.GetExtent(nullptr, &extent));
    EXPECT_TRUE(Near(extent.GetCorner1(), 7, 7));
    composition.Add(Rect(0, 0, 10, 10));
    auto* circle = new VhDrawCircle;
    circle->GetShape().SetCentre(VhPoint(20, 20));
    circle->GetShape().SetRadius(5);
    composition.Add(circle);
    EXPECT_FALSE(composition.GetExtent(nullptr, nullptr));
    EXPECT_TRUE(composition.GetExtent(nullptr, &extent));
    EXPECT_TRUE(Near(extent.GetCorner1(), 0, 0));
    EXPECT_TRUE(Near(extent.GetCorner2(), 25, 25));
    VhTrans shift = Translation(1, -1);
    EXPECT_TRUE(composition.GetExtent(&shift, &extent));
    EXPECT_TRUE(Near(extent.GetCorner1(), 1, -1));
    EXPECT_TRUE(Near(extent.GetCorner2(), 26, 24));
}

TEST(VhDrawComposition, DrawTransformAndSetTransReachEveryChild)
{
    VhDrawComposition inner;
    inner.Add(Line(0, 0, 1, 0));
    VhDrawComposition composition;
    composition.Add(Rect(0, 0, 1, 1));
    composition.Add(inner.Clone());
    RecordingImp imp(1);
    EXPECT_EQ(1, composition.Draw(&imp, nullptr));
    EXPECT_EQ("rect line", imp.calls);
    RecordingImp nothing(0);
    EXPECT_EQ(0, composition.Draw(&nothing, nullptr));
    EXPECT_EQ(0, VhDrawComposition().Draw(&imp, nullptr));

    VhTrans trans = Translation(3, 3);
    composition.SetTrans(&trans);
    EXPECT_EQ(nullptr, composition.GetTrans());
    EXPECT_EQ(nullptr, composition.GetFigure());
    auto* rect = static_cast<VhDraw*>(composition.GetChildren().GetHead());
    auto* nested = static_cast<VhDrawComposition*>(composition.GetChildren().GetTail());
    auto* nestedLine = static_cast<VhDrawLine*>(nested->GetChildren().GetHead());
    EXPECT_TRUE(rect->GetTrans()->IsEqual(&trans));
    EXPECT_TRUE(nestedLine->GetTrans()->IsEqual(&trans));
    composition.Transform(Translation(0, 2));
    EXPECT_TRUE(Near(nestedLine->GetShape().GetEnd1(), 0, 2));
}

TEST(VhDrawComposition, CloneIsDeepAndEqual)
{
    VhDrawComposition composition;
    composition.Add(Line(0, 0, 10, 0));
    auto* inner = new VhDrawComposition;
    inner->Add(Rect(0, 0, 1, 1));
    composition.Add(inner);
    std::unique_ptr<VhDrawComposition> clone(composition.Clone());
    EXPECT_TRUE(clone->IsEqual(&composition));
    EXPECT_NE(composition.GetChildren().GetHead(), clone->GetChildren().GetHead());
    auto* clonedInner = static_cast<VhDrawComposition*>(clone->GetChildren().GetTail());
    EXPECT_NE(inner->GetChildren().GetHead(), clonedInner->GetChildren().GetHead());
    composition.Transform(Translation(1, 0));
    EXPECT_FALSE(clone->IsEqual(&composition));
    clone->Add(Line(0, 0, 1, 1));
    composition.Transform(Translation(-1, 0));
    EXPECT_FALSE(clone->IsEqual(&composition));
    EXPECT_FALSE(composition.IsEqual(clone.get()));
}
