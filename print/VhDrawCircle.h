// A drawable circle, drawn by the renderer's DrawCircle.
#pragma once

#include "print/VhDrawFigure.h"
#include "print/VhFigureCircle.h"

class VhDrawCircle : public VhDrawFigure<VhFigureCircle> {
    DECLARE_SERIAL(VhDrawCircle)
public:
    VhDrawCircle() = default;

    VhDrawCircle* Clone() const override { return new VhDrawCircle(*this); }
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;
};
