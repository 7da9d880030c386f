#include "editors/ZnFvAppCACM08.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM08, CFormViewBk)

ZnFvAppCACM08::ZnFvAppCACM08() : CFormViewBk(IDD_FV_CACM08) {}
