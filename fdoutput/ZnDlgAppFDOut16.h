// The floppy-output page of the confirmation application and plan change of a structure under Article 88(2). Its
// controls and its work come with the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut16 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut16(CWnd* pParent = nullptr);
};
