// Prefecture or area of an application (application header). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelPrefAreaCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelPrefAreaCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelPrefAreaCode)); }
};
