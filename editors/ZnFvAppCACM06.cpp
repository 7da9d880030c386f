#include "editors/ZnFvAppCACM06.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM06, CFormViewBk)

ZnFvAppCACM06::ZnFvAppCACM06() : CFormViewBk(IDD_FV_CACM06) {}
