// Registering authority of an architect's qualification or of an office's registration
// (資格発行元, 許可交付元), or the issuer of a construction licence. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelRegistInstCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelRegistInstCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelRegistInstCode)); }
};
