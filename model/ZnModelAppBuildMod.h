// The building plan-change application (計画変更確認申請書（建築物）).
#pragma once

#include "model/ZnModelAppBuild.h"
#include "model/ZnModelAppPlanChange.h"

class ZnModelAppBuildMod : public ZnModelAppPlanChange<ZnModelAppBuild> {
    DECLARE_ZN_MODEL(ZnModelAppBuildMod)
public:
    void Serialize(CArchive& ar) override { SerializePlanChange(ar, RUNTIME_CLASS(ZnModelAppBuildMod)); }
};
