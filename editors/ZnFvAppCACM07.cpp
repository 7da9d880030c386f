#include "editors/ZnFvAppCACM07.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM07, CFormViewBk)

ZnFvAppCACM07::ZnFvAppCACM07() : CFormViewBk(IDD_FV_CACM07) {}
