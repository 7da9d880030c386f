#include "editors/ZnFvAppCACM07.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM07, ZnFvAppCMView)

ZnFvAppCACM07::ZnFvAppCACM07() : ZnFvAppCMView(IDD_FV_CACM07, m_editor, IDD_CM_YANE) {}
