// Area code of a construction notification's site. A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelAreaCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelAreaCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelAreaCode)); }
};
