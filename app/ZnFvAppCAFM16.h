// The floppy-output screen of the structure under Article 88(2) (confirmation and plan change): a fixed title and its
// page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut16.h"

class ZnFvAppCAFM16 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM16)
protected:
    ZnFvAppCAFM16();

    ZnDlgAppFDOut16 m_page;
};
