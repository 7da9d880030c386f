// The floppy-output page of the inspections of buildings and of structures under Article 88(2). Its controls and its
// work come with the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut31 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut31(CWnd* pParent = nullptr);
};
