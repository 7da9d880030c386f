#include "editors/ZnFvAppCACM04.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM04, ZnFvAppCMView)

ZnFvAppCACM04::ZnFvAppCACM04() : ZnFvAppCMView(IDD_FV_CACM04, m_editor, IDD_CM_SETSUBISHA) {}
