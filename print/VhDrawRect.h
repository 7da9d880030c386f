// A drawable rectangle, drawn by the renderer's DrawRect.
#pragma once

#include "print/VhDrawFigure.h"
#include "print/VhFigureRect.h"

class VhDrawRect : public VhDrawFigure<VhFigureRect> {
    DECLARE_SERIAL(VhDrawRect)
public:
    VhDrawRect() = default;

    VhDrawRect* Clone() const override { return new VhDrawRect(*this); }
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;
};
