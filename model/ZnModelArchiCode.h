// Architect class of a person or of an architect's office (建築士種別). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelArchiCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelArchiCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelArchiCode)); }
};
