// The floppy-output page of the building confirmation application and plan change. Its controls and its work come with
// the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut11 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut11(CWnd* pParent = nullptr);
};
