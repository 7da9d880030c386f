// The floppy-output page of the temporary-use approval application to the designated administrative
// agency (特定行政庁): its values are those of the text-form pages' table.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut51 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut51(CWnd* pParent = nullptr);

    static const ZnFDOutPageValues& Values();
};
