#include "editors/ZnFvAppCACM02.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM02, ZnFvAppCMView)

ZnFvAppCACM02::ZnFvAppCACM02() : ZnFvAppCMView(IDD_FV_CACM02, m_editor, IDD_CM_KENCHIKUNUSHI) {}
