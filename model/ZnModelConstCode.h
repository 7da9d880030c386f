// Construction code of a construction notification. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelConstCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelConstCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelConstCode)); }
};
