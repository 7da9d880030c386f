// The floppy-output page of the building confirmation application (type 1000) and its plan change
// (type 1008).
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"
#include "fdoutput/ZnFDOutPageValues.h"

class ZnDlgAppFDOut11 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut11(CWnd* pParent = nullptr);

    // The page's own values: buildings, Ka001.110 for the application, the selected row's file for
    // the plan change, whose page hides the construction notice.
    static const ZnFDOutPageValues& Values();
};
