// The form view of the reference-data editor of 住所・地名地番等 (addresses and lot numbers).
#pragma once

#include "editors/ZnDlgAppCMChimeiChiban.h"
#include "editors/ZnFvAppCMView.h"

class ZnFvAppCACM06 : public ZnFvAppCMView {
    DECLARE_DYNCREATE(ZnFvAppCACM06)
protected:
    ZnFvAppCACM06();

    ZnDlgAppCMChimeiChiban m_editor;
};
