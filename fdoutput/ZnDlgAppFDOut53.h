// The floppy-output page of the construction notice (建築工事届): its values are those of the
// text-form pages' table.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut53 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut53(CWnd* pParent = nullptr);

    static const ZnFDOutPageValues& Values();
};
