#include "editors/ZnFvAppCACM03.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM03, ZnFvAppCMView)

ZnFvAppCACM03::ZnFvAppCACM03() : ZnFvAppCMView(IDD_FV_CACM03, m_editor, IDD_CM_SEKKEISHA) {}
