#include "editors/ZnFvAppCACM06.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM06, ZnFvAppCMView)

ZnFvAppCACM06::ZnFvAppCACM06() : ZnFvAppCMView(IDD_FV_CACM06, m_editor, IDD_CM_CHIMEICHIBAN) {}
