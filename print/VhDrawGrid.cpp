#include "print/VhDrawGrid.h"

#include "print/VhDrawImp.h"

IMPLEMENT_SERIAL(VhDrawGrid, VhDraw, 0)

int VhDrawGrid::Draw(VhDrawImp* imp, const VhTrans* trans) const { return imp->DrawGrid(this, trans); }
