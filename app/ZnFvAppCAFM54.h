// The floppy-output screen of the demolition notification: a fixed title and its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut54.h"

class ZnFvAppCAFM54 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM54)
protected:
    ZnFvAppCAFM54();

    ZnDlgAppFDOut54 m_page;
};
