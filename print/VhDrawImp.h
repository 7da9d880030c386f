// The renderer that drawables hand themselves to: one operation per kind of drawable, each
// taking the drawable and a transform (or null) to apply after the figure's own, and giving 1
// when something was drawn, else 0. It draws on a device context (not owned): the drawable's
// attributes become a pen, a pattern brush and a font, lines are clipped to VhClipRect, and the
// device context is left as it was found. Without a device context nothing is drawn.
//
// The grids drawn on one page of the device context share one budget of node marks and lines
// (GridBudget), filled again when the device context starts another page: a grid that would need
// more than is left draws nothing, so however many grids a drawing holds, the work of a page stays
// bounded. Where no page is started (a screen, a drawing on its own) the budget covers what the
// renderer draws in its life: make a renderer for each drawing that is shown.
#pragma once

#include "model/VhObject.h"
#include "platform/wnd/WinGdi.h"

#include <vector>

class CDC;
class VhDraw;
class VhDrawCircle;
class VhDrawGrid;
class VhDrawLine;
class VhDrawPolygon;
class VhDrawPolyline;
class VhDrawRect;
class VhDrawString;
class VhFigureGrid;
class VhFigureString;
class VhPoint;
class VhTrans;

class VhDrawImp : public VhObject {
    DECLARE_DYNAMIC(VhDrawImp)
public:
    explicit VhDrawImp(CDC* dc = nullptr) : m_dc(dc) {}

    virtual int DrawLine(const VhDrawLine* draw, const VhTrans* trans);
    // All four corners inside the range: a polygon when filled, else the outline; otherwise the
    // clipped sides, never filled.
    virtual int DrawRect(const VhDrawRect* draw, const VhTrans* trans);
    // All points inside the range: one Polyline; otherwise each clipped segment.
    virtual int DrawPolyline(const VhDrawPolyline* draw, const VhTrans* trans);
    // All points inside the range: one Polygon when filled, else the closed outline; otherwise
    // each clipped side, never filled.
    virtual int DrawPolygon(const VhDrawPolygon* draw, const VhTrans* trans);
    // An Ellipse of the radius along y, its corners truncated; never clipped. Unfilled, it is
    // filled with the brush the device context holds.
    virtual int DrawCircle(const VhDrawCircle* draw, const VhTrans* trans);
    virtual int DrawString(const VhDrawString* draw, const VhTrans* trans);
    // Lines or node marks over the device context's clip box, the whole grid or nothing: nothing
    // when the grid is denser than 5 logical units along an axis, would draw more nodes along an
    // axis than the clip box shows at that density (as a sheared grid may), its transform cannot
    // be inverted, or its marks (one a node) or lines (one a row or column) exceed what is left
    // of the page's budget. A node none of whose mark's ink could reach the clip box, or whose
    // mark's points would leave int, draws no mark; 1 when any mark or line was drawn.
    virtual int DrawGrid(const VhDrawGrid* draw, const VhTrans* trans);
    // The node marks and grid lines that the grids of one page may draw in all over that clip box
    // (logical units): what one grid at the density limit holds, turned to any angle, the square
    // of (the box's diagonal / 5 + 2); for a page about twice its area / 25.
    static double GridBudget(const RECT& clip);

    CDC* GetDC() const { return m_dc; }
    // The font that DrawString selects for a text under trans (the figure's own transform first).
    // downwards: the device's y axis grows downwards. FALSE when a size or the angle is not finite.
    static BOOL MakeFont(const VhDrawString& draw, const VhTrans* trans, BOOL downwards, LOGFONT& font);

private:
    // Draws the side from a to b clipped to VhClipRect; 1 when any of it was visible.
    int DrawSide(const VhPoint& a, const VhPoint& b);
    // MoveTo the first point, LineTo each other, and back to the first when closed.
    void DrawPath(const POINT* points, int count, BOOL closed);
    // Draws each side of points (and the closing one) clipped; 1 when any was drawn.
    int DrawClippedSides(const VhPoint* points, int count, BOOL closed);
    // All points inside the range: a Polygon when filled, else the closed outline; otherwise the
    // clipped sides, never filled. 1 when anything was drawn.
    int DrawClosed(const std::vector<VhPoint>& points, BOOL filled);
    // The marks of one grid node.
    void DrawGridMark(int style, POINT node, COLORREF color);
    int DrawGridLines(const VhFigureGrid& grid, const VhTrans& trans, const VhPoint& start, LONG columns, LONG rows);
    BOOL IsDownwards() const;
    // Takes count marks or lines from what the grids of the device context's current page have
    // left of the budget over clip: false, taking nothing, when they do not fit.
    bool TakeFromGridBudget(double count, const RECT& clip);

    CDC* m_dc;
    int m_budgetPage = -1;       // the page of the device context that m_gridMarksTaken counts
    double m_gridMarksTaken = 0; // the marks and lines that grids have drawn on that page
};
