// The form view of the reference-data editor of 代理者・設計者・工事監理者等 (agents, designers and supervisors). The
// editor that it hosts comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM03 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM03)
protected:
    ZnFvAppCACM03();
};
