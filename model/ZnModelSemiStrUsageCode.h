// Usage of a structure under Article 88 paragraph 2. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelSemiStrUsageCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelSemiStrUsageCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelSemiStrUsageCode)); }
};
