// The plan-change application for a structure under Article 88 paragraph 2
// (計画変更確認申請書（工作物（法88条2項））).
#pragma once

#include "model/ZnModelAppPlanChange.h"
#include "model/ZnModelAppSemiStr.h"

class ZnModelAppSemiStrMod : public ZnModelAppPlanChange<ZnModelAppSemiStr> {
    DECLARE_ZN_MODEL(ZnModelAppSemiStrMod)
public:
    void Serialize(CArchive& ar) override { SerializePlanChange(ar, RUNTIME_CLASS(ZnModelAppSemiStrMod)); }
};
