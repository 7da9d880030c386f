// The object-kind panel (112) of the completion inspection and of the plan change: each kind
// opens the form view that the document type chooses; other document types open nothing.
#pragma once

#include "app/CObjectKindBar.h"

class CCompletionKindBar : public CObjectKindBar {
public:
    CCompletionKindBar();

protected:
    CRuntimeClass* FormOf(UINT nID) const override;
};
