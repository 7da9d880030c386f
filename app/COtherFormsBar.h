// The panel of the other applications and notifications (113): temporary use, construction,
// demolition and the safety plan (the last one only for application forms; the frame hides it).
#pragma once

#include "app/CObjectKindBar.h"

class COtherFormsBar : public CObjectKindBar {
public:
    COtherFormsBar();

protected:
    CRuntimeClass* FormOf(UINT nID) const override;
};
