#include "print/VhDrawLine.h"

#include "print/VhDrawImp.h"

IMPLEMENT_SERIAL(VhDrawLine, VhDraw, 0)

int VhDrawLine::Draw(VhDrawImp* imp, const VhTrans* trans) const { return imp->DrawLine(this, trans); }
