// The floppy-output page of the temporary-use application to the designated administrative agency. Its controls and its
// work come with the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut51 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut51(CWnd* pParent = nullptr);
};
