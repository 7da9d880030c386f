#include "editors/ZnFvAppCACM09.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM09, ZnFvAppCMView)

ZnFvAppCACM09::ZnFvAppCACM09() : ZnFvAppCMView(IDD_FV_CACM09, m_editor, IDD_CM_TOKUTEIKOUTEI) {}
