// The form view of the reference-data editor of 施工者等 (constructors). The editor that it hosts
// comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM05 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM05)
protected:
    ZnFvAppCACM05();
};
