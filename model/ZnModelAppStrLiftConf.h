// The confirmation application for a lift of a structure (確認申請書（工作物の昇降機）).
#pragma once

#include "model/ZnModelAppLift.h"

class ZnModelAppStrLiftConf : public ZnModelAppLift {
    DECLARE_ZN_MODEL(ZnModelAppStrLiftConf)
public:
    // Its own class reference, then the lift application; it adds no field.
    void Serialize(CArchive& ar) override;
};
