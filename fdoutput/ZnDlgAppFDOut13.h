// The floppy-output page of the building-equipment confirmation application (type 1000) and its
// plan change (type 1008): the page pattern with the equipment check and the equipment's floppy
// (form 170, 430 for the plan change).
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut13 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut13(CWnd* pParent = nullptr);

    // The page's own values: building equipment, Ka001.170 for the application, the selected row's
    // file for the plan change.
    static const ZnFDOutPageValues& Values();
};
