// The floor area of one usage inside a floor: usage code, text and area.
#pragma once

#include "model/ZnModelList.h"
#include "model/ZnModelUsageCode.h"

class ZnModelAppUseFloorArea : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppUseFloorArea)
public:
    void SetUsageCode(const ZnModelUsageCode& code) { m_usageCode = code; }
    void SetText(LPCTSTR text) { m_text = text; }
    void SetFloorArea(double area) { m_floorArea = area; }
    const ZnModelUsageCode& GetUsageCode() const { return m_usageCode; }
    const CString& GetText() const { return m_text; }
    double GetFloorArea() const { return m_floorArea; }

    void Serialize(CArchive& ar) override;

    ZnModelUsageCode m_usageCode;
    CString m_text;
    double m_floorArea = 0.0;
};

// Floor areas by usage; the holder owns the elements.
typedef ZnModelList<ZnModelAppUseFloorArea> ZnModelAppUseFloorAreaList;
