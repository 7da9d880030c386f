#include "app/ZnFvAppCAFM16.h"

#include "res/FormViewIds.h"

IMPLEMENT_DYNCREATE(ZnFvAppCAFM16, ZnFvAppPageView)

ZnFvAppCAFM16::ZnFvAppCAFM16() : ZnFvAppPageView(IDD_FV_CAFM16, IDD_FDOUT16) { SetPage(m_page); }
