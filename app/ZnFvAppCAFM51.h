// The floppy-output screen of the temporary-use application to the designated administrative agency: a fixed title and
// its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut51.h"

class ZnFvAppCAFM51 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM51)
protected:
    ZnFvAppCAFM51();

    ZnDlgAppFDOut51 m_page;
};
