// The confirmation application for a lift (確認申請書（昇降機）).
#pragma once

#include "model/ZnModelAppLift.h"

class ZnModelAppLiftConf : public ZnModelAppLift {
    DECLARE_ZN_MODEL(ZnModelAppLiftConf)
public:
    // Its own class reference, then the lift application; it adds no field.
    void Serialize(CArchive& ar) override;
};
