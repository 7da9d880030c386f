// Usage of a lift (用途). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelLiftUsageCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelLiftUsageCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelLiftUsageCode)); }
};
