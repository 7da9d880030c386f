#include "app/ZnFvAppCAFM15.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM15, ZnFvAppPageView)

ZnFvAppCAFM15::ZnFvAppCAFM15() : ZnFvAppPageView(IDD_FV_CAFM15, IDD_FDOUT15) { SetPage(m_page); }
