// The floppy-output screen of the safety-measures plan notification: a fixed title and its page.
#pragma once

#include "app/ZnFvAppPageView.h"
#include "fdoutput/ZnDlgAppFDOut55.h"

class ZnFvAppCAFM55 : public ZnFvAppPageView {
    DECLARE_DYNCREATE(ZnFvAppCAFM55)
protected:
    ZnFvAppCAFM55();

    ZnDlgAppFDOut55 m_page;
};
