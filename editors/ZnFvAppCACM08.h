// The form view of the reference-data editor of 外壁・軒裏 (exterior walls and eaves). The editor that it hosts
// comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM08 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM08)
protected:
    ZnFvAppCACM08();
};
