// The plan-change application for a structure under Article 88 paragraph 1
// (計画変更確認申請書（工作物（法88条1項））).
#pragma once

#include "model/ZnModelAppPlanChange.h"
#include "model/ZnModelAppStruct.h"

class ZnModelAppStructMod : public ZnModelAppPlanChange<ZnModelAppStruct> {
    DECLARE_ZN_MODEL(ZnModelAppStructMod)
public:
    void Serialize(CArchive& ar) override { SerializePlanChange(ar, RUNTIME_CLASS(ZnModelAppStructMod)); }
};
