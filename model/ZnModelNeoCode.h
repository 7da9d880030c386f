// A further code of a construction notification's building entry. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelNeoCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelNeoCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelNeoCode)); }
};
