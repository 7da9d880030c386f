// Construction structure of a construction notification's building entry. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelConstStrCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelConstStrCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelConstStrCode)); }
};
