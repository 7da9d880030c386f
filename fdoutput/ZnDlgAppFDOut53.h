// The floppy-output page of the construction notification. Its controls and its work come with the
// floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut53 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut53(CWnd* pParent = nullptr);
};
