// Type of a building owner. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelOwnerTypeCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelOwnerTypeCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelOwnerTypeCode)); }
};
