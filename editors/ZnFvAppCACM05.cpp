#include "editors/ZnFvAppCACM05.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM05, ZnFvAppCMView)

ZnFvAppCACM05::ZnFvAppCACM05() : ZnFvAppCMView(IDD_FV_CACM05, m_editor, IDD_CM_SEKOUSHA) {}
