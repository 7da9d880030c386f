#include "app/ZnFvAppCAFM54.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM54, ZnFvAppPageView)

ZnFvAppCAFM54::ZnFvAppCAFM54() : ZnFvAppPageView(IDD_FV_CAFM54, IDD_FDOUT54) { SetPage(m_page); }
