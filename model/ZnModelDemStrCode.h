// Demolished-structure code. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelDemStrCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelDemStrCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelDemStrCode)); }
};
