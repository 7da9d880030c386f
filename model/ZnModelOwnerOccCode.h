// Occupation of a building owner. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelOwnerOccCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelOwnerOccCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelOwnerOccCode)); }
};
