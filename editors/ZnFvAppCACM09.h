// The form view of the reference-data editor of 指定工程名 (specified processes). The editor that it hosts
// comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM09 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM09)
protected:
    ZnFvAppCACM09();
};
