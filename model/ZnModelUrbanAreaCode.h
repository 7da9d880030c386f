// City-planning area of a site (都市計画区域内都市計画区域). A code value: its code text only.
#pragma once

#include "model/ZnModelCode.h"

class ZnModelUrbanAreaCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelUrbanAreaCode)
public:
    void Serialize(CArchive& ar) override { SerializeKind(ar, RUNTIME_CLASS(ZnModelUrbanAreaCode)); }
};
