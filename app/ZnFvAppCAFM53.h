// The floppy-output screen of the construction notification: a fixed title and its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut53.h"

class ZnFvAppCAFM53 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM53)
protected:
    ZnFvAppCAFM53();

    ZnDlgAppFDOut53 m_page;
};
