// The form view of the reference-data editor of 代理者・設計者・工事監理者等 (agents, designers and supervisors).
#pragma once

#include "editors/ZnDlgAppCMSekkeisha.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM03 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM03)
protected:
    ZnFvAppCACM03();

    ZnDlgAppCMSekkeisha m_editor;
};
