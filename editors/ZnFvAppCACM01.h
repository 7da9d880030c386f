// The form view of the reference-data editor of 申請者・届出者／通知者 (applicants and notifiers).
#pragma once

#include "editors/ZnDlgAppCMShinseisha.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM01 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM01)
protected:
    ZnFvAppCACM01();

    ZnDlgAppCMShinseisha m_editor;
};
