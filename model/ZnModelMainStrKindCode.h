// Main structure class (構造区分). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelMainStrKindCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelMainStrKindCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelMainStrKindCode)); }
};
