// The object-kind panel (126) of the interim inspection: buildings on one form, the other kinds
// on another.
#pragma once

#include "app/CObjectKindBar.h"

class CInterimKindBar : public CObjectKindBar {
public:
    CInterimKindBar();

protected:
    CRuntimeClass* FormOf(UINT nID) const override;
};
