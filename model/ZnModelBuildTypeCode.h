// Building category (建築物の区分). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelBuildTypeCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelBuildTypeCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelBuildTypeCode)); }
};
