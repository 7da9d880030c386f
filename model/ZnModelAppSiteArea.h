// The site area by use zone: the zones, the two buildable ratios (延べ面積を除した数値,
// 建築面積を除した数値) and the remarks (備考内容). The ratios are stored values only.
#pragma once

#include "model/ZnModelAppEachZone.h"

class ZnModelAppSiteArea : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppSiteArea)
public:
    // Replaces the zones by copies of the given list's zones.
    void SetEachZoneList(const ZnModelAppEachZoneList& zones) { m_zoneList = zones; }
    void SetBuildableFloorAreaRatio(double ratio) { m_buildableFloorAreaRatio = ratio; }
    void SetBuildableCoverageRatio(double ratio) { m_buildableCoverageRatio = ratio; }
    void SetText(LPCTSTR text) { m_text = text; }
    const ZnModelAppEachZoneList& GetEachZoneList() const { return m_zoneList; }
    double GetBuildableFloorAreaRatio() const { return m_buildableFloorAreaRatio; }
    double GetBuildableCoverageRatio() const { return m_buildableCoverageRatio; }
    const CString& GetText() const { return m_text; }

    // The two ratios and the text first in the archive, the zones last.
    void Serialize(CArchive& ar) override;

    ZnModelAppEachZoneList m_zoneList;
    double m_buildableFloorAreaRatio = 0.0;
    double m_buildableCoverageRatio = 0.0;
    CString m_text;
};
