// A drawable line, drawn by the renderer's DrawLine.
#pragma once

#include "print/VhDrawFigure.h"
#include "print/VhFigureLine.h"

class VhDrawLine : public VhDrawFigure<VhFigureLine> {
    DECLARE_SERIAL(VhDrawLine)
public:
    VhDrawLine() = default;

    VhDrawLine* Clone() const override { return new VhDrawLine(*this); }
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;
};
