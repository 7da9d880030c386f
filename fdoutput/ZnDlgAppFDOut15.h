// The floppy-output page of the confirmation application (type 1000) and plan change (type 1008)
// of a lift of a structure: the lift page's count and check on the structure-lift forms, and the
// structure lift's floppy (form 161, 421 for the plan change).
#pragma once

#include "fdoutput/ZnDlgAppFDCountingPage.h"

class ZnDlgAppFDOut15 : public ZnDlgAppFDCountingPage {
public:
    explicit ZnDlgAppFDOut15(CWnd* pParent = nullptr);

    // The page's own values: lifts of structures, Ka001.161 for the application, the selected row's
    // file for the plan change, whose page hides the count of further lifts.
    static const ZnFDOutPageValues& Values();
};
