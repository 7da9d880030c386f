// A drawable grid, drawn by the renderer's DrawGrid.
#pragma once

#include "print/VhDrawFigure.h"
#include "print/VhFigureGrid.h"

class VhDrawGrid : public VhDrawFigure<VhFigureGrid> {
    DECLARE_SERIAL(VhDrawGrid)
public:
    VhDrawGrid() = default;

    VhDrawGrid* Clone() const override { return new VhDrawGrid(*this); }
    int Draw(VhDrawImp* imp, const VhTrans* trans) const override;
};
