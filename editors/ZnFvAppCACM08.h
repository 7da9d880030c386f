// The form view of the reference-data editor of 外壁・軒裏 (exterior walls and eaves).
#pragma once

#include "editors/ZnDlgAppCMGaiheki.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM08 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM08)
protected:
    ZnFvAppCACM08();

    ZnDlgAppCMGaiheki m_editor;
};
