// The floppy-output page of the confirmation application (type 1000) and plan change (type 1008)
// of a structure under Article 88(1): the page pattern with the count of further structures, the
// structure check and the structure's floppy (form 180, 440 for the plan change).
#pragma once

#include "fdoutput/ZnDlgAppFDCountingPage.h"

class ZnDlgAppFDOut14 : public ZnDlgAppFDCountingPage {
public:
    explicit ZnDlgAppFDOut14(CWnd* pParent = nullptr);

    // The page's own values: structures, Ka001.180 for the application, the selected row's file for
    // the plan change, whose page hides the count of further structures.
    static const ZnFDOutPageValues& Values();
};
