// The form view of the reference-data editor of 指定工程名 (specified processes); its editor says 特定工程名.
#pragma once

#include "editors/ZnDlgAppCMTokuteiKoutei.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM09 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM09)
protected:
    ZnFvAppCACM09();

    ZnDlgAppCMTokuteiKoutei m_editor;
};
