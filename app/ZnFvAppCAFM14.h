// The floppy-output screen of the structure under Article 88(1) (confirmation and plan change): a fixed title and its
// page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut14.h"

class ZnFvAppCAFM14 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM14)
protected:
    ZnFvAppCAFM14();

    ZnDlgAppFDOut14 m_page;
};
