#include "print/VhDrawRect.h"

#include "print/VhDrawImp.h"

IMPLEMENT_SERIAL(VhDrawRect, VhDraw, 0)

int VhDrawRect::Draw(VhDrawImp* imp, const VhTrans* trans) const { return imp->DrawRect(this, trans); }
