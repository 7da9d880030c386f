// The form view of the reference-data editor of 建築主 (building owners).
#pragma once

#include "editors/ZnDlgAppCMKenchikunushi.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM02 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM02)
protected:
    ZnFvAppCACM02();

    ZnDlgAppCMKenchikunushi m_editor;
};
