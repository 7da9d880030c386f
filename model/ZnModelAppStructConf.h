// The confirmation application for a structure under Article 88 paragraph 1 (確認申請書（工作物（法88条1項））).
#pragma once

#include "model/ZnModelAppStruct.h"

class ZnModelAppStructConf : public ZnModelAppStruct {
    DECLARE_ZN_MODEL(ZnModelAppStructConf)
public:
    // Its own class reference, then the structure application; it adds no field.
    void Serialize(CArchive& ar) override;
};
