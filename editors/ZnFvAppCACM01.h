// The form view of the reference-data editor of 申請者・届出者／通知者 (applicants and notifiers). The editor that it
// hosts comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM01 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM01)
protected:
    ZnFvAppCACM01();
};
