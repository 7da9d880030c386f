// The confirmation application for building equipment other than lifts (確認申請書（昇降機以外の建築設備）).
#pragma once

#include "model/ZnModelAppEquip.h"

class ZnModelAppEquipConf : public ZnModelAppEquip {
    DECLARE_ZN_MODEL(ZnModelAppEquipConf)
public:
    // Its own class reference, then the equipment application; it adds no field.
    void Serialize(CArchive& ar) override;
};
