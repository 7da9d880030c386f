// The plan-change application for a lift of a structure (計画変更確認申請書（工作物の昇降機）).
#pragma once

#include "model/ZnModelAppLift.h"
#include "model/ZnModelAppPlanChange.h"

class ZnModelAppStrLiftMod : public ZnModelAppPlanChange<ZnModelAppLift> {
    DECLARE_ZN_MODEL(ZnModelAppStrLiftMod)
public:
    void Serialize(CArchive& ar) override { SerializePlanChange(ar, RUNTIME_CLASS(ZnModelAppStrLiftMod)); }
};
