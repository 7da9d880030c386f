#include "app/ZnFvAppCAFM52.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM52, ZnFvAppPageView)

ZnFvAppCAFM52::ZnFvAppCAFM52() : ZnFvAppPageView(IDD_FV_CAFM52, IDD_FDOUT52) { SetPage(m_page); }
