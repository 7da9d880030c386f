#include "print/VhDrawCircle.h"

#include "print/VhDrawImp.h"

IMPLEMENT_SERIAL(VhDrawCircle, VhDraw, 0)

int VhDrawCircle::Draw(VhDrawImp* imp, const VhTrans* trans) const { return imp->DrawCircle(this, trans); }
