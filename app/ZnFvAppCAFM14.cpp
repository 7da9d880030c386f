#include "app/ZnFvAppCAFM14.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM14, ZnFvAppPageView)

ZnFvAppCAFM14::ZnFvAppCAFM14() : ZnFvAppPageView(IDD_FV_CAFM14, IDD_FDOUT14) { SetPage(m_page); }
