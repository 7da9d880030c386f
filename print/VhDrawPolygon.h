// A drawable polygon, drawn by the renderer's DrawPolygon.
#pragma once

#include "print/VhDrawFigure.h"
#include "print/VhFigurePolygon.h"

class VhDrawPolygon : public VhDrawFigure<VhFigurePolygon> {
    DECLARE_SERIAL(VhDrawPolygon)
public:
    VhDrawPolygon() = default;

    VhDrawPolygon* Clone() const override { return new VhDrawPolygon(*this); }
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;
};
