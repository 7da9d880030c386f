// Use zone (用途地域等). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"
#include "model/ZnModelList.h"

class ZnModelUseZoneCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelUseZoneCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelUseZoneCode)); }
};

// A list of use zones; its holder owns the elements.
typedef ZnModelList<ZnModelUseZoneCode> ZnModelUseZoneCodeList;
