// Demolished-housing code. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelDemHouseCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelDemHouseCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelDemHouseCode)); }
};
