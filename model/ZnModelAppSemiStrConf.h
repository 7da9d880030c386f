// The confirmation application for a structure under Article 88 paragraph 2 (確認申請書（工作物（法88条2項））).
#pragma once

#include "model/ZnModelAppSemiStr.h"

class ZnModelAppSemiStrConf : public ZnModelAppSemiStr {
    DECLARE_ZN_MODEL(ZnModelAppSemiStrConf)
public:
    // Its own class reference, then the structure application; it adds no field.
    void Serialize(CArchive& ar) override;
};
