// The renderer that drawables hand themselves to: one operation per kind of drawable, each
// taking the drawable and a transform (or null) to apply after the figure's own, and giving 1
// when something was drawn. This class draws nothing and gives 0; a renderer over a device
// derives from it.
#pragma once

#include "model/VhObject.h"

class VhDrawCircle;
class VhDrawGrid;
class VhDrawLine;
class VhDrawPolygon;
class VhDrawPolyline;
class VhDrawRect;
class VhDrawString;
class VhTrans;

class VhDrawImp : public VhObject {
    DECLARE_DYNAMIC(VhDrawImp)
public:
    virtual int DrawLine(const VhDrawLine* draw, const VhTrans* trans) { return 0; }
    virtual int DrawRect(const VhDrawRect* draw, const VhTrans* trans) { return 0; }
    virtual int DrawPolyline(const VhDrawPolyline* draw, const VhTrans* trans) { return 0; }
    virtual int DrawPolygon(const VhDrawPolygon* draw, const VhTrans* trans) { return 0; }
    virtual int DrawCircle(const VhDrawCircle* draw, const VhTrans* trans) { return 0; }
    virtual int DrawString(const VhDrawString* draw, const VhTrans* trans) { return 0; }
    virtual int DrawGrid(const VhDrawGrid* draw, const VhTrans* trans) { return 0; }
};
