#include "app/ZnFvAppCAFM55.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM55, ZnFvAppPageView)

ZnFvAppCAFM55::ZnFvAppCAFM55() : ZnFvAppPageView(IDD_FV_CAFM55, IDD_FDOUT55) { SetPage(m_page); }
