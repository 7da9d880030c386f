#include "editors/ZnFvAppCACM08.h"

#include "res/CommonDataIds.h"
#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCACM08, ZnFvAppCMView)

ZnFvAppCACM08::ZnFvAppCACM08() : ZnFvAppCMView(IDD_FV_CACM08, m_editor, IDD_CM_GAIHEKI) {}
