// Kind of a lift (種別). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelLiftKindCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelLiftKindCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelLiftKindCode)); }
};
