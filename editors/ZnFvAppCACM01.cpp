#include "editors/ZnFvAppCACM01.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM01, CFormViewBk)

ZnFvAppCACM01::ZnFvAppCACM01() : CFormViewBk(IDD_FV_CACM01) {}
