// The form view of the reference-data editor of 施工者等 (constructors).
#pragma once

#include "editors/ZnDlgAppCMSekousha.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM05 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM05)
protected:
    ZnFvAppCACM05();

    ZnDlgAppCMSekousha m_editor;
};
