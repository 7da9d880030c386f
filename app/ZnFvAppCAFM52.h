// The floppy-output screen of the temporary-use application to the building official: a fixed title and its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut52.h"

class ZnFvAppCAFM52 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM52)
protected:
    ZnFvAppCAFM52();

    ZnDlgAppFDOut52 m_page;
};
