// The floppy-output page of the safety-measures plan notice (安全上の措置等に関する計画届): its
// values are those of the text-form pages' table.
#pragma once

#include "fdoutput/ZnDlgAppFDPage.h"

class ZnDlgAppFDOut55 : public ZnDlgAppFDPage {
public:
    explicit ZnDlgAppFDOut55(CWnd* pParent = nullptr);

    static const ZnFDOutPageValues& Values();
};
