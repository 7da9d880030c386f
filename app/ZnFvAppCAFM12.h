// The floppy-output screen of the lift (confirmation and plan change): a fixed title and its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut12.h"

class ZnFvAppCAFM12 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM12)
protected:
    ZnFvAppCAFM12();

    ZnDlgAppFDOut12 m_page;
};
