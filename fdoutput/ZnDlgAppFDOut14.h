// The floppy-output page of the confirmation application and plan change of a structure under Article 88(1). Its
// controls and its work come with the floppy-output screens.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut14 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut14(CWnd* pParent = nullptr);
};
