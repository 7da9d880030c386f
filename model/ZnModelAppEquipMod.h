// The plan-change application for building equipment other than lifts (計画変更確認申請書（昇降機以外の建築設備）).
#pragma once

#include "model/ZnModelAppEquip.h"
#include "model/ZnModelAppPlanChange.h"

class ZnModelAppEquipMod : public ZnModelAppPlanChange<ZnModelAppEquip> {
    DECLARE_ZN_MODEL(ZnModelAppEquipMod)
public:
    void Serialize(CArchive& ar) override { SerializePlanChange(ar, RUNTIME_CLASS(ZnModelAppEquipMod)); }
};
