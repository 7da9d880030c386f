// The floppy-output page of the building-equipment confirmation application and plan change. Its controls and its work
// come with the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut13 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut13(CWnd* pParent = nullptr);
};
