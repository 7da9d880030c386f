// The form view of the reference-data editor of 建築設備 (consultants on building equipment).
#pragma once

#include "editors/ZnDlgAppCMSetsubisha.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM04 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM04)
protected:
    ZnFvAppCACM04();

    ZnDlgAppCMSetsubisha m_editor;
};
