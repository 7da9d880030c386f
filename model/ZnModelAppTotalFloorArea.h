// The breakdown of the total floor area: the whole building (建築物全体), the basement housing
// part (地階の住宅の部分), the common corridors of collective housing (共同住宅の共用の廊下等の
// 部分), the garage part (自動車車庫等の部分) and the housing part (住宅の部分).
#pragma once

#include "model/ZnModelArea.h"

class ZnModelAppTotalFloorArea : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppTotalFloorArea)
public:
    void SetWholeArea(const ZnModelArea& area) { m_whole = area; }
    void SetBasementHouseArea(const ZnModelArea& area) { m_basementHousing = area; }
    void SetCommonCorridorArea(const ZnModelArea& area) { m_commonCorridor = area; }
    void SetGarageArea(const ZnModelArea& area) { m_garage = area; }
    void SetHouseArea(const ZnModelArea& area) { m_housing = area; }
    const ZnModelArea& GetWholeArea() const { return m_whole; }
    const ZnModelArea& GetBasementHousingArea() const { return m_basementHousing; }
    const ZnModelArea& GetCorridorArea() const { return m_commonCorridor; }
    const ZnModelArea& GetGarageArea() const { return m_garage; }
    const ZnModelArea& GetHouseArea() const { return m_housing; }

    // The five areas in field order.
    void Serialize(CArchive& ar) override;

    ZnModelArea m_whole;
    ZnModelArea m_basementHousing;
    ZnModelArea m_commonCorridor;
    ZnModelArea m_garage;
    ZnModelArea m_housing;
};
