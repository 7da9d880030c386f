// The floppy-output page of the confirmation application (type 1000) and plan change (type 1008)
// of a structure under Article 88(2): the page pattern with the two attachment bitmaps, tested
// before anything else, and the structure's own check and floppy output.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut16 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut16(CWnd* pParent = nullptr);

    // The page's own values: Ka001.190 for the application, the selected row's file for the plan
    // change, whose list has no comment column.
    static const ZnFDOutPageValues& Values();

protected:
    void OnFDOut() override;
};
