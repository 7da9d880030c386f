// The form view of the reference-data editor of 住所・地名地番等 (addresses and lot numbers). The editor that it hosts
// comes with the common-data editors.
#pragma once

#include "shell/CFormViewBk.h"

class ZnFvAppCACM06 : public CFormViewBk {
    DECLARE_DYNCREATE(ZnFvAppCACM06)
protected:
    ZnFvAppCACM06();
};
