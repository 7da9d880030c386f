// Cause of a demolition. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelCauseCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelCauseCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelCauseCode)); }
};
