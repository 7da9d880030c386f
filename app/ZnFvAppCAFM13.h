// The floppy-output screen of the building equipment other than lifts (confirmation and plan change): a fixed title and
// its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut13.h"

class ZnFvAppCAFM13 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM13)
protected:
    ZnFvAppCAFM13();

    ZnDlgAppFDOut13 m_page;
};
