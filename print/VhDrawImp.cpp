#include "print/VhDrawImp.h"

IMPLEMENT_DYNAMIC(VhDrawImp, VhObject)
