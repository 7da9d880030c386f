// Usage in a construction notification. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelConstUsageCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelConstUsageCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelConstUsageCode)); }
};
