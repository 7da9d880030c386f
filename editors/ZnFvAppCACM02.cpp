#include "editors/ZnFvAppCACM02.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM02, CFormViewBk)

ZnFvAppCACM02::ZnFvAppCACM02() : CFormViewBk(IDD_FV_CACM02) {}
