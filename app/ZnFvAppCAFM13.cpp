#include "app/ZnFvAppCAFM13.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM13, ZnFvAppPageView)

ZnFvAppCAFM13::ZnFvAppCAFM13() : ZnFvAppPageView(IDD_FV_CAFM13, IDD_FDOUT13) { SetPage(m_page); }
