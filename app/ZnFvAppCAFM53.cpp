#include "app/ZnFvAppCAFM53.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM53, ZnFvAppPageView)

ZnFvAppCAFM53::ZnFvAppCAFM53() : ZnFvAppPageView(IDD_FV_CAFM53, IDD_FDOUT53) { SetPage(m_page); }
