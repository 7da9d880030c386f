// A drawable open chain of points, drawn by the renderer's DrawPolyline.
#pragma once

#include "print/VhDrawFigure.h"
#include "print/VhFigurePolyline.h"

class VhDrawPolyline : public VhDrawFigure<VhFigurePolyline> {
    DECLARE_SERIAL(VhDrawPolyline)
public:
    VhDrawPolyline() = default;

    VhDrawPolyline* Clone() const override { return new VhDrawPolyline(*this); }
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;
};
