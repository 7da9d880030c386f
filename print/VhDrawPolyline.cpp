#include "print/VhDrawPolyline.h"

#include "print/VhDrawImp.h"

IMPLEMENT_SERIAL(VhDrawPolyline, VhDraw, 0)

int VhDrawPolyline::Draw(VhDrawImp* imp, const VhTrans* trans) const { return imp->DrawPolyline(this, trans); }
