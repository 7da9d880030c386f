#include "editors/ZnFvAppCACM03.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM03, CFormViewBk)

ZnFvAppCACM03::ZnFvAppCACM03() : CFormViewBk(IDD_FV_CACM03) {}
