// The form view of the reference-data editor of 建築主 (building owners). The editor that it hosts
// comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM02 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM02)
protected:
    ZnFvAppCACM02();
};
