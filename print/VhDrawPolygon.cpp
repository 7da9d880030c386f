#include "print/VhDrawPolygon.h"

#include "print/VhDrawImp.h"

IMPLEMENT_SERIAL(VhDrawPolygon, VhDraw, 0)

int VhDrawPolygon::Draw(VhDrawImp* imp, const VhTrans* trans) const { return imp->DrawPolygon(this, trans); }
