#include "editors/ZnFvAppCACM01.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM01, ZnFvAppCMView)

ZnFvAppCACM01::ZnFvAppCACM01() : ZnFvAppCMView(IDD_FV_CACM01, m_editor, IDD_CM_SHINSEISHA) {}
