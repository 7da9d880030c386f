// Fire-resistance class (耐火建築物). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelFireProofCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelFireProofCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelFireProofCode)); }
};
