// The object-kind panel (111) of the confirmation application: each kind opens its floppy-output
// form view.
#pragma once

#include "app/CObjectKindBar.h"

class CConfirmKindBar : public CObjectKindBar {
public:
    CConfirmKindBar();

protected:
    CRuntimeClass* FormOf(UINT nID) const override;
};
