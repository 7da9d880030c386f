// The form view of the reference-data editor of 屋根 (roofs).
#pragma once

#include "editors/ZnDlgAppCMYane.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM07 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM07)
protected:
    ZnFvAppCACM07();

    ZnDlgAppCMYane m_editor;
};
