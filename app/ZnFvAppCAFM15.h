// The floppy-output screen of the lift of a structure (confirmation and plan change): a fixed title and its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut15.h"

class ZnFvAppCAFM15 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM15)
protected:
    ZnFvAppCAFM15();

    ZnDlgAppFDOut15 m_page;
};
