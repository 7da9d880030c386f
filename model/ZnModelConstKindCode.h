// Construction kind. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelConstKindCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelConstKindCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelConstKindCode)); }
};
