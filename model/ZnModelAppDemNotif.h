// The demolition notification (建築物除却届): the demolition contractor (除却工事施工者), the place
// (除却場所) and date (除却年月日), the main use, cause (除却原因) and structure (構造種別), the
// numbers of buildings and dwellings, the dwellings' tenure (住宅の利用関係), the floor area and
// the value of the demolished buildings.
//
// Layouts: schema 256 has no main use, and its text is not kept; 257 has both. Storing always
// writes 257.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelAppConstDemUsage.h"
#include "model/ZnModelCauseCode.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelDemHouseCode.h"
#include "model/ZnModelDemStrCode.h"

class ZnModelAppDemNotif : public ZnModelApp {
    DECLARE_ZN_MODEL(ZnModelAppDemNotif)
public:
    void Serialize(CArchive& ar) override;

    ZnModelConstructor m_contractor;
    JkModelAddress m_place; // 除却場所
    ZnModelDate m_date;     // 除却年月日
    CString m_oldText;      // read by no writer
    ZnModelAppConstDemUsage m_mainUse;
    ZnModelCauseCode m_cause;
    ZnModelDemStrCode m_structure;
    int m_buildingCount = 0; // 建築物の数
    int m_dwellingCount = 0; // 住宅の戸数
    ZnModelDemHouseCode m_tenure;
    double m_floorArea = 0.0; // 建築物の床面積の合計, m²
    int m_value = 0;          // 建築物の評価額
};
