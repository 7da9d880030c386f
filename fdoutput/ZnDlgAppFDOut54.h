// The floppy-output page of the demolition notification. Its controls and its work come with the
// floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut54 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut54(CWnd* pParent = nullptr);
};
