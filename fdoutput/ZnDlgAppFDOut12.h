// The floppy-output page of the lift confirmation application (type 1000) and its plan change
// (type 1008): the page pattern with the count of further lifts, the lift check and the lift's
// floppy (form 160, 420 for the plan change).
#pragma once

#include "fdoutput/ZnDlgAppFDCountingPage.h"

class ZnDlgAppFDOut12 : public ZnDlgAppFDCountingPage {
public:
    explicit ZnDlgAppFDOut12(CWnd* pParent = nullptr);

    // The page's own values: lifts, Ka001.160 for the application, the selected row's file for the
    // plan change, whose page hides the count of further lifts.
    static const ZnFDOutPageValues& Values();
};
