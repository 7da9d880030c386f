// Document kind of a form (local data block). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelDocKindCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelDocKindCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelDocKindCode)); }
};
