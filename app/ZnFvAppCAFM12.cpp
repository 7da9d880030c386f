#include "app/ZnFvAppCAFM12.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM12, ZnFvAppPageView)

ZnFvAppCAFM12::ZnFvAppCAFM12() : ZnFvAppPageView(IDD_FV_CAFM12, IDD_FDOUT12) { SetPage(m_page); }
