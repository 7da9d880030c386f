// The floppy-output page of the temporary-use application to the building official. Its controls and its work come with
// the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut52 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut52(CWnd* pParent = nullptr);
};
