// One use zone of the site (用途地域等) with its site area (面積1), its second area as text
// (面積2), the designated floor-area ratio (容積率) and the coverage ratio (建ぺい率).
#pragma once

#include "model/ZnModelList.h"
#include "model/ZnModelUseZoneCode.h"

class ZnModelAppEachZone : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppEachZone)
public:
    void SetUseZoneCode(const ZnModelUseZoneCode& code) { m_useZoneCode = code; }
    void SetArea(double area) { m_area = area; }
    void SetArea2Omitted(int omitted) { m_area2Omitted = omitted; }
    void SetAreaText(LPCTSTR text) { m_areaText = text; }
    void SetDesignatedFloorAreaRatio(double ratio) { m_designatedFloorAreaRatio = ratio; }
    void SetCoverageRatio(double ratio) { m_coverageRatio = ratio; }
    const ZnModelUseZoneCode& GetUseZoneCode() const { return m_useZoneCode; }
    const double& GetSiteArea() const { return m_area; }
    int GetArea2Omitted() const { return m_area2Omitted; }
    const CString& GetAreaText() const { return m_areaText; }
    const double& GetDesignatedFloorAreaRatio() const { return m_designatedFloorAreaRatio; }
    double GetCoverageRatio() const { return m_coverageRatio; }

    // The zone code first in the archive, then the rest in field order.
    void Serialize(CArchive& ar) override;

    ZnModelUseZoneCode m_useZoneCode;
    double m_area = 0.0;
    int m_area2Omitted = 0; // non-zero: the zone has no second area
    CString m_areaText;
    double m_designatedFloorAreaRatio = 0.0;
    double m_coverageRatio = 0.0;
};

// Use zones of a site; the holder owns the elements.
typedef ZnModelList<ZnModelAppEachZone> ZnModelAppEachZoneList;
