// The demolition part of a construction notification: whether there is one, the demolition
// contractor (除却工事施工者), the main use, cause (除却原因) and structure (構造種別), the numbers
// of buildings and dwellings, the dwellings' tenure (住宅の利用関係), the floor area and the
// value of the demolished buildings.
//
// Layouts: schema 256 has neither the main use nor the presence flag, which it derives from the
// other values; 257 stores both. Storing always writes 257.
#pragma once

#include "model/ZnModelAppConstDemUsage.h"
#include "model/ZnModelCauseCode.h"
#include "model/ZnModelConstructor.h"
#include "model/ZnModelDemHouseCode.h"
#include "model/ZnModelDemStrCode.h"

class ZnModelAppDemData : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppDemData)
public:
    void Serialize(CArchive& ar) override;

    ZnModelConstructor m_contractor;
    int m_present = 0; // 1 when the notification has a demolition part
    CString m_oldText; // read by no writer
    ZnModelAppConstDemUsage m_mainUse;
    ZnModelCauseCode m_cause;
    ZnModelDemStrCode m_structure;
    int m_buildingCount = 0; // 建築物の数
    int m_dwellingCount = 0; // 住宅の戸数
    ZnModelDemHouseCode m_tenure;
    double m_floorArea = 0.0; // 建築物の床面積の合計, m²
    int m_value = 0;          // 建築物の評価額

private:
    // Whether the values of the first layout describe a demolition: any text, code or number set.
    bool HasFirstLayoutEntries() const;
};
