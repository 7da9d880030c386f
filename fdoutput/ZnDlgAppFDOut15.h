// The floppy-output page of the confirmation application and plan change of a lift of a structure. Its controls and its
// work come with the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut15 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut15(CWnd* pParent = nullptr);
};
