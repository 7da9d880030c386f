// The floppy-output page of the safety-measures plan notification. Its controls and its work come with the
// floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut55 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut55(CWnd* pParent = nullptr);
};
