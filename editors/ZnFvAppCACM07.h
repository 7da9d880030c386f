// The form view of the reference-data editor of 屋根 (roofs). The editor that it hosts
// comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM07 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM07)
protected:
    ZnFvAppCACM07();
};
