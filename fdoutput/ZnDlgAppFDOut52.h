// The floppy-output page of the temporary-use approval application to the building official
// (建築主事): its values are those of the text-form pages' table.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut52 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut52(CWnd* pParent = nullptr);

    static const ZnFDOutPageValues& Values();
};
