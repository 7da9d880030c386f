// The floppy-output page of the inspections of lifts, equipment and structures under Article 88(1). Its controls and
// its work come with the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut32 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut32(CWnd* pParent = nullptr);
};
