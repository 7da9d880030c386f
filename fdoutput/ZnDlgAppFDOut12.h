// The floppy-output page of the lift confirmation application and plan change. Its controls and its work come with the
// floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut12 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut12(CWnd* pParent = nullptr);
};
