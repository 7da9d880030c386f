#include "print/VhDrawImp.h"

#include "platform/wnd/CDC.h"
#include "print/VhDrawCircle.h"
#include "print/VhDrawFrame.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawPolygon.h"
#include "print/VhDrawPolyline.h"
#include "print/VhDrawRect.h"
#include "print/VhDrawString.h"
#include "print/VhDrawTables.h"
#include "print/VhMath.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

IMPLEMENT_DYNAMIC(VhDrawImp, VhObject)

namespace {

// The figure's own transform followed by trans, each when present.
VhTrans CombinedTrans(const VhFigure& figure, const VhTrans* trans)
{
    VhTrans combined;
    if (figure.GetTrans())
        combined = *figure.GetTrans();
    if (trans)
        combined.Multiply(*trans);
    return combined;
}

// The identity turned by angle and moved to origin, followed by the figure's own transform and
// trans.
VhTrans PlacedTrans(double angle, const VhPoint& origin, const VhFigure& figure, const VhTrans* trans)
{
    VhTrans placed;
    placed.RotateZ(angle);
    placed.Translate(origin);
    placed.Multiply(CombinedTrans(figure, trans));
    return placed;
}

VhPoint Mapped(const VhPoint& point, const VhTrans& trans)
{
    VhPoint mapped = point * trans;
    mapped.z = 0.0;
    return mapped;
}

bool IsFinite(const VhPoint& point) { return std::isfinite(point.x) && std::isfinite(point.y); }

// Inside the clip range with the default tolerance, in the plane; a point that is not finite
// never is.
bool IsVisible(const VhPoint& point) { return IsFinite(point) && VhClipRect.GetOutCode(point, -1.0, FALSE) == 0; }

bool AllVisible(const std::vector<VhPoint>& points)
{
    for (const VhPoint& point : points)
        if (!IsVisible(point))
            return false;
    return true;
}

std::vector<VhPoint> MappedPoints(const VhFigurePolyline& figure, const VhTrans& trans)
{
    std::vector<VhPoint> points;
    points.reserve(figure.GetPointCount());
    for (int i = 0; i < figure.GetPointCount(); ++i)
        points.push_back(Mapped(figure.GetPoint(i), trans));
    return points;
}

std::vector<POINT> Rounded(const std::vector<VhPoint>& points)
{
    std::vector<POINT> rounded;
    rounded.reserve(points.size());
    for (const VhPoint& point : points)
        rounded.push_back(point.Round());
    return rounded;
}

// The least distance, in logical units, between the nodes or lines of a grid that is drawn.
const double gridDensityLimit = 5.0;

// The nodes along one axis of a grid at the density limit over the clip box, the grid turned to
// any angle: a square of the box's diagonal, with a node more at each end. A grid that is not
// denser than the limit along its axes, and whose axes stay square to each other on the device,
// never spreads the box over more nodes however it is turned or scaled; a sheared one may spread
// it over many more.
double NodesAtDensityLimit(const RECT& clip)
{
    return std::hypot(double(clip.right) - clip.left, double(clip.bottom) - clip.top) / gridDensityLimit + 2.0;
}

// A grid's first node index at or below value / pitch, as the renderer lowers negative values;
// 0 when the pitch is not positive.
double FirstIndex(double value, double pitch)
{
    if (!(pitch > 0))
        return 0.0;
    double index = value / pitch;
    return std::trunc(index < 0 ? index - 1 : index);
}

// The strokes of a printed mark reach markArm logical units from its node.
const LONG markArm = 3;

// The pixels of a mark on a screen about its node, in logical units, for each style.
const POINT screenMarkPixels[3][5] = {
    {{0, 0}}, {{1, 0}, {-1, 0}, {0, 1}, {0, -1}}, {{0, 0}, {1, 1}, {-1, 1}, {-1, -1}, {1, -1}}};
const int screenMarkPixelCounts[3] = {1, 4, 5};

// How far the points of a mark lie from its node along either axis, in logical units.
LONG MarkOffset(const CDC& dc, int style)
{
    if (dc.IsPrinting())
        return markArm;
    LONG offset = 0;
    for (int i = 0; i < screenMarkPixelCounts[style]; ++i)
        offset = std::max({offset, std::abs(screenMarkPixels[style][i].x), std::abs(screenMarkPixels[style][i].y)});
    return offset;
}

// Whether a node's rounded place, offset either way, stays within int; never for NaN.
bool MarkFitsInt(const VhPoint& node, LONG offset)
{
    auto fits = [offset](double value) {
        const double rounded = VhRound(value);
        return rounded - offset >= INT32_MIN && rounded + offset <= INT32_MAX;
    };
    return fits(node.x) && fits(node.y);
}

// A box of device pixels, its edges inclusive, in doubles so that widening it never overflows.
struct PixelBox {
    double left, top, right, bottom;

    PixelBox Widened(double by) const { return PixelBox{left - by, top - by, right + by, bottom + by}; }
    PixelBox Joined(const PixelBox& other) const
    {
        return PixelBox{std::min(left, other.left), std::min(top, other.top), std::max(right, other.right),
                        std::max(bottom, other.bottom)};
    }
    bool Meets(const PixelBox& other) const
    {
        return left <= other.right && other.left <= right && top <= other.bottom && other.top <= bottom;
    }
};

// The device pixels of the logical points between two corners, as the device context maps them.
PixelBox DevicePixelsBetween(const CDC& dc, POINT a, POINT b)
{
    POINT corners[2] = {a, b};
    dc.LPtoDP(corners, 2);
    return PixelBox{double(std::min(corners[0].x, corners[1].x)), double(std::min(corners[0].y, corners[1].y)),
                    double(std::max(corners[0].x, corners[1].x)), double(std::max(corners[0].y, corners[1].y))};
}

// The device pixels of the clip box: the device's own, and the logical clip box mapped back to
// the device, which its rounding may have moved up to half a logical unit beyond them.
PixelBox ClipPixels(const CDC& dc, const RECT& clip)
{
    const RECT& device = dc.GetDeviceClipBox();
    const PixelBox own{double(device.left), double(device.top), device.right - 1.0, device.bottom - 1.0};
    return own.Joined(DevicePixelsBetween(dc, POINT{clip.left, clip.top}, POINT{clip.right, clip.bottom}));
}

// How far beyond the device places of a mark's points its ink may reach, in pixels. A printed
// stroke runs through the centres of its pixels, and its round ends and joins spread half the
// pen's device width about it, so it inks pixels less than half the width and half a pixel from
// them; antialiasing may shade one more. A screen's pixels are set whole.
double MarkInkSpread(const CDC& dc) { return dc.IsPrinting() ? dc.GetPenDeviceWidth() / 2.0 + 1.0 : 0.0; }

// The device pixels that the mark of a node rounded to at may ink: the device places of its
// points, as the device context maps them, widened by its ink's spread.
PixelBox MarkPixels(const CDC& dc, POINT at, LONG offset, double spread)
{
    return DevicePixelsBetween(dc, POINT{at.x - offset, at.y - offset}, POINT{at.x + offset, at.y + offset})
        .Widened(spread);
}

double NodeCount(double span, double pitch)
{
    if (!(pitch > 0))
        return 0.0;
    double count = span / pitch;
    return std::trunc(count < 0 ? count - 1 : count) + 1;
}

} // namespace

int VhDrawImp::DrawSide(const VhPoint& a, const VhPoint& b)
{
    VhFigureLine side(a, b);
    if (!side.ClipToRect(VhClipRect, FALSE))
        return 0;
    POINT from = side.GetEnd1().Round(), to = side.GetEnd2().Round();
    m_dc->MoveTo(from.x, from.y);
    m_dc->LineTo(to.x, to.y);
    return 1;
}

void VhDrawImp::DrawPath(const POINT* points, int count, BOOL closed)
{
    m_dc->MoveTo(points[0].x, points[0].y);
    for (int i = 1; i < count; ++i)
        m_dc->LineTo(points[i].x, points[i].y);
    if (closed)
        m_dc->LineTo(points[0].x, points[0].y);
}

int VhDrawImp::DrawClippedSides(const VhPoint* points, int count, BOOL closed)
{
    int drawn = 0;
    for (int i = 0; i + 1 < count; ++i)
        drawn |= DrawSide(points[i], points[i + 1]);
    if (closed)
        drawn |= DrawSide(points[count - 1], points[0]);
    return drawn;
}

int VhDrawImp::DrawClosed(const std::vector<VhPoint>& points, BOOL filled)
{
    const int count = static_cast<int>(points.size());
    if (!AllVisible(points))
        return DrawClippedSides(points.data(), count, TRUE);
    std::vector<POINT> rounded = Rounded(points);
    if (filled)
        m_dc->Polygon(rounded.data(), count);
    else
        DrawPath(rounded.data(), count, TRUE);
    return 1;
}

int VhDrawImp::DrawLine(const VhDrawLine* draw, const VhTrans* trans)
{
    if (!m_dc)
        return 0;
    VhDrawFrame frame(*m_dc, *draw);
    const VhFigureLine& line = draw->GetShape();
    VhTrans combined = CombinedTrans(line, trans);
    return DrawSide(Mapped(line.GetEnd1(), combined), Mapped(line.GetEnd2(), combined));
}

int VhDrawImp::DrawRect(const VhDrawRect* draw, const VhTrans* trans)
{
    if (!m_dc)
        return 0;
    VhDrawFrame frame(*m_dc, *draw);
    if (draw->IsFilled())
        frame.SelectHatchBrush(*draw);
    const VhFigureRect& rect = draw->GetShape();
    VhTrans combined = CombinedTrans(rect, trans);
    const VhPoint& c1 = rect.GetCorner1();
    const VhPoint& c2 = rect.GetCorner2();
    return DrawClosed({Mapped(c1, combined), Mapped(VhPoint(c2.x, c1.y), combined), Mapped(c2, combined),
                       Mapped(VhPoint(c1.x, c2.y), combined)},
                      draw->IsFilled());
}

int VhDrawImp::DrawPolyline(const VhDrawPolyline* draw, const VhTrans* trans)
{
    const VhFigurePolyline& polyline = draw->GetShape();
    int count = polyline.GetPointCount();
    if (!m_dc || count < 2)
        return 0;
    VhDrawFrame frame(*m_dc, *draw);
    std::vector<VhPoint> points = MappedPoints(polyline, CombinedTrans(polyline, trans));
    if (!AllVisible(points))
        return DrawClippedSides(points.data(), count, FALSE);
    std::vector<POINT> rounded = Rounded(points);
    m_dc->Polyline(rounded.data(), count);
    return 1;
}

int VhDrawImp::DrawPolygon(const VhDrawPolygon* draw, const VhTrans* trans)
{
    const VhFigurePolygon& polygon = draw->GetShape();
    int count = polygon.GetPointCount();
    if (!m_dc || count < 3)
        return 0;
    VhDrawFrame frame(*m_dc, *draw);
    if (draw->IsFilled())
        frame.SelectHatchBrush(*draw);
    return DrawClosed(MappedPoints(polygon, CombinedTrans(polygon, trans)), draw->IsFilled());
}

int VhDrawImp::DrawCircle(const VhDrawCircle* draw, const VhTrans* trans)
{
    if (!m_dc)
        return 0;
    VhDrawFrame frame(*m_dc, *draw);
    if (draw->IsFilled())
        frame.SelectHatchBrush(*draw);
    const VhFigureCircle& circle = draw->GetShape();
    VhTrans combined = CombinedTrans(circle, trans);
    const VhPoint& centre = circle.GetCentre();
    VhPoint c = Mapped(centre, combined);
    VhPoint b = Mapped(VhPoint(centre.x, centre.y - circle.GetRadius()), combined);
    double d = std::fabs(c.y - b.y);
    if (!IsFinite(c) || !std::isfinite(d) || !(d > 0))
        return 0;
    m_dc->Ellipse(VhTruncToLong(c.x - d), VhTruncToLong(c.y + d), VhTruncToLong(c.x + d), VhTruncToLong(c.y - d));
    return 1;
}

BOOL VhDrawImp::IsDownwards() const
{
    POINT points[2] = {{0, 0}, {0, 10}};
    m_dc->LPtoDP(points, 2);
    return points[1].y > points[0].y;
}

BOOL VhDrawImp::MakeFont(const VhDrawString& draw, const VhTrans* trans, BOOL downwards, LOGFONT& font)
{
    const VhFigureString& text = draw.GetShape();
    VhTrans combined = CombinedTrans(text, trans);
    double h = text.GetTextHeight(), w = text.GetCharWidth(), a = text.GetAngle();
    VhPoint up = combined.ApplyToVector(VhPoint(-std::sin(a) * h, std::cos(a) * h, 0));
    VhPoint along = combined.ApplyToVector(VhPoint(std::cos(a) * w, std::sin(a) * w, 0));
    up.z = along.z = 0.0;
    double height = up.Length(FALSE);
    double width = text.GetAutoWidth() ? 0.0 : along.Length(FALSE);
    double escapement = VhRadToDeg(along.Angle()) * 10;
    if (!std::isfinite(height) || !std::isfinite(width) || !std::isfinite(escapement))
        return FALSE;
    LONG deviceHeight = VhRoundToLong(height), angle = VhRoundToLong(escapement);
    std::memset(&font, 0, sizeof font);
    font.lfHeight = deviceHeight > 0 ? -deviceHeight : deviceHeight;
    font.lfWidth = VhRoundToLong(width);
    // Counter-clockwise as seen on the page: the angle turns over where y grows downwards.
    font.lfEscapement = font.lfOrientation = downwards ? -angle : angle;
    font.lfWeight = (draw.m_fontStyle & VhDrawString::Bold) ? FW_BOLD : FW_DONTCARE;
    font.lfItalic = (draw.m_fontStyle & VhDrawString::Italic) ? 1 : 0;
    font.lfUnderline = (draw.m_fontStyle & VhDrawString::Underline) ? 1 : 0;
    font.lfStrikeOut = (draw.m_fontStyle & VhDrawString::StrikeOut) ? 1 : 0;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    CString face = VhFontFaceOf(draw.m_fontFace);
    std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
    return TRUE;
}

int VhDrawImp::DrawString(const VhDrawString* draw, const VhTrans* trans)
{
    const VhFigureString& text = draw->GetShape();
    if (!m_dc || text.GetText().IsEmpty())
        return 0;
    BOOL downwards = IsDownwards();
    LOGFONT font;
    if (!MakeFont(*draw, trans, downwards, font))
        return 0;
    VhTrans placed = PlacedTrans(text.GetAngle(), text.GetPosition(), text, trans);
    VhPoint anchor = Mapped(text.GetAnchorOffset(text.GetTextWidth(), text.GetTextHeight(), downwards), placed);
    if (!IsFinite(anchor))
        return 0;
    VhDrawFrame frame(*m_dc, *draw);
    frame.SetTextColor(*draw);
    frame.SelectFont(font);
    frame.SetTextAlign(TA_LEFT | TA_BOTTOM);
    POINT at = anchor.Round();
    m_dc->TextOut(at.x, at.y, text.GetText(), text.GetText().GetLength());
    return 1;
}

void VhDrawImp::DrawGridMark(int style, POINT node, COLORREF color)
{
    const LONG x = node.x, y = node.y, a = markArm;
    if (!m_dc->IsPrinting()) {
        for (int i = 0; i < screenMarkPixelCounts[style]; ++i)
            m_dc->SetPixelV(x + screenMarkPixels[style][i].x, y + screenMarkPixels[style][i].y, color);
        return;
    }
    if (style == 0) {
        const POINT plus[2][2] = {{{x - a, y}, {x + a, y}}, {{x, y - a}, {x, y + a}}};
        DrawPath(plus[0], 2, FALSE);
        DrawPath(plus[1], 2, FALSE);
    } else if (style == 1) {
        const POINT cross[2][2] = {{{x - a, y - a}, {x + a, y + a}}, {{x - a, y + a}, {x + a, y - a}}};
        DrawPath(cross[0], 2, FALSE);
        DrawPath(cross[1], 2, FALSE);
    } else {
        const POINT diamond[4] = {{x - a, y}, {x, y - a}, {x + a, y}, {x, y + a}};
        DrawPath(diamond, 4, TRUE);
    }
}

int VhDrawImp::DrawGridLines(const VhFigureGrid& grid, const VhTrans& trans, const VhPoint& start, LONG columns,
                             LONG rows)
{
    const double px = grid.GetPitch().x, py = grid.GetPitch().y;
    const double xEnd = start.x + columns * px - 1.0, yEnd = start.y + rows * py - 1.0;
    int drawn = 0;
    auto line = [&](const VhPoint& from, const VhPoint& to) {
        POINT ends[2] = {Mapped(from, trans).Round(), Mapped(to, trans).Round()};
        DrawPath(ends, 2, FALSE);
        drawn = 1;
    };
    if (py > 0)
        for (LONG j = 0; j < rows; ++j)
            line(VhPoint(start.x, start.y + j * py), VhPoint(xEnd, start.y + j * py));
    if (px > 0)
        for (LONG i = 0; i < columns; ++i)
            line(VhPoint(start.x + i * px, start.y), VhPoint(start.x + i * px, yEnd));
    return drawn;
}

double VhDrawImp::GridBudget(const RECT& clip)
{
    const double nodes = NodesAtDensityLimit(clip);
    return nodes * nodes;
}

bool VhDrawImp::TakeFromGridBudget(double count, const RECT& clip)
{
    if (m_budgetPage != m_dc->GetPagesStarted()) {
        m_budgetPage = m_dc->GetPagesStarted();
        m_gridMarksTaken = 0;
    }
    if (count > GridBudget(clip) - m_gridMarksTaken)
        return false;
    m_gridMarksTaken += count;
    return true;
}

int VhDrawImp::DrawGrid(const VhDrawGrid* draw, const VhTrans* trans)
{
    if (!m_dc)
        return 0;
    VhDrawFrame frame(*m_dc, *draw);
    const COLORREF color = VhColorOf(draw->GetColor());
    RECT clip;
    m_dc->GetClipBox(&clip);
    const VhFigureGrid& grid = draw->GetShape();
    const double px = grid.GetPitch().x, py = grid.GetPitch().y;
    VhTrans placed = PlacedTrans(grid.GetAngle(), grid.GetOrigin(), grid, trans);
    // Denser than the limit along an axis (or not a number): nothing.
    if (!(placed.GetScaleX() * px > gridDensityLimit) || !(placed.GetScaleY() * py > gridDensityLimit))
        return 0;
    double determinant = placed.Determinant();
    if (determinant == 0.0 || !std::isfinite(determinant))
        return 0;
    VhTrans inverse(placed);
    inverse.Invert();
    VhFigureRect area;
    VhFigureRect(VhPoint(clip.left, clip.top), VhPoint(clip.right, clip.bottom)).GetExtent(&inverse, &area);
    const VhPoint start(FirstIndex(area.GetCorner1().x, px) * px, FirstIndex(area.GetCorner1().y, py) * py);
    const double columns = NodeCount(area.GetCorner2().x - start.x, px);
    const double rows = NodeCount(area.GetCorner2().y - start.y, py);
    if (!std::isfinite(columns) || !std::isfinite(rows) || !std::isfinite(start.x) || !std::isfinite(start.y))
        return 0;
    // More nodes along an axis than the clip box shows at the density limit (a sheared grid): nothing.
    const double limit = NodesAtDensityLimit(clip);
    if (columns > limit || rows > limit)
        return 0;
    const LONG n = VhTruncToLong(columns), m = VhTruncToLong(rows);
    const int style = grid.GetStyle();
    if (style < 0 || style > 3 || !TakeFromGridBudget(style == 3 ? columns + rows : columns * rows, clip))
        return 0;
    if (style == 3)
        return DrawGridLines(grid, placed, start, n, m);
    // A mark none of whose ink can reach the clip box is not drawn: far off, its coordinates
    // reach what the device cannot draw, or leave int.
    const LONG offset = MarkOffset(*m_dc, style);
    const double spread = MarkInkSpread(*m_dc);
    const PixelBox clipPixels = ClipPixels(*m_dc, clip);
    int drawn = 0;
    for (LONG j = 0; j < m; ++j)
        for (LONG i = 0; i < n; ++i) {
            VhPoint node = Mapped(VhPoint(start.x + i * px, start.y + j * py), placed);
            if (!MarkFitsInt(node, offset))
                continue;
            const POINT at = node.Round();
            if (!MarkPixels(*m_dc, at, offset, spread).Meets(clipPixels))
                continue;
            DrawGridMark(style, at, color);
            drawn = 1;
        }
    return drawn;
}
