// The plan-change application for a lift (計画変更確認申請書（昇降機）).
#pragma once

#include "model/ZnModelAppLift.h"
#include "model/ZnModelAppPlanChange.h"

class ZnModelAppLiftMod : public ZnModelAppPlanChange<ZnModelAppLift> {
    DECLARE_ZN_MODEL(ZnModelAppLiftMod)
public:
    void Serialize(CArchive& ar) override { SerializePlanChange(ar, RUNTIME_CLASS(ZnModelAppLiftMod)); }
};
