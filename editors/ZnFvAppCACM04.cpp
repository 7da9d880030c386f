#include "editors/ZnFvAppCACM04.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM04, CFormViewBk)

ZnFvAppCACM04::ZnFvAppCACM04() : CFormViewBk(IDD_FV_CACM04) {}
