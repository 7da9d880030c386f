// The floppy-output page of the demolition notice (建築物除却届): its values are those of the
// text-form pages' table.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut54 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut54(CWnd* pParent = nullptr);

    static const ZnFDOutPageValues& Values();
};
