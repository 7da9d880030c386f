#include "app/ZnFvAppCAFM51.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM51, ZnFvAppPageView)

ZnFvAppCAFM51::ZnFvAppCAFM51() : ZnFvAppPageView(IDD_FV_CAFM51, IDD_FDOUT51) { SetPage(m_page); }
