// Usage (用途コード). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelUsageCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelUsageCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelUsageCode)); }
};
