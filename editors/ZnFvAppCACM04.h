// The form view of the reference-data editor of 建築設備 (building-equipment consultants). The editor that it hosts
// comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM04 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM04)
protected:
    ZnFvAppCACM04();
};
