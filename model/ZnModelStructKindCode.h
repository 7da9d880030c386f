// Kind of a structure (種類). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelStructKindCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelStructKindCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelStructKindCode)); }
};
