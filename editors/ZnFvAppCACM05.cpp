#include "editors/ZnFvAppCACM05.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM05, CFormViewBk)

ZnFvAppCACM05::ZnFvAppCACM05() : CFormViewBk(IDD_FV_CACM05) {}
