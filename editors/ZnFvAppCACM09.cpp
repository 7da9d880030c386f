#include "editors/ZnFvAppCACM09.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM09, CFormViewBk)

ZnFvAppCACM09::ZnFvAppCACM09() : CFormViewBk(IDD_FV_CACM09) {}
