// One floor of a building page: its designation, floor area (申請部分, 申請以外の部分, 合計),
// column diameter (柱の小径), vertical distance between beams (横架材間の垂直距離), floor height
// (階の高さ), ceiling height (居室の天井の高さ), the floor areas by usage, and three texts.
#pragma once

#include "model/ZnModelAppUseFloorArea.h"
#include "model/ZnModelArea.h"

class ZnModelAppFloorOutline : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppFloorOutline)
public:
    void SetFloorText(LPCTSTR text) { m_floorText = text; }
    void SetFloorArea(const ZnModelArea& area) { m_floorArea = area; }
    void SetColumnDiameter(int diameter) { m_columnDiameter = diameter; }
    void SetBeamDistance(int distance) { m_beamDistance = distance; }
    void SetFloorHeight(int height) { m_floorHeight = height; }
    void SetCeilingHeight(int height) { m_ceilingHeight = height; }
    // Replaces the floor areas by usage by copies of the given list's elements.
    void SetUseFloorAreaList(const ZnModelAppUseFloorAreaList& areas) { m_useFloorAreaList = areas; }
    void SetText1(LPCTSTR text) { m_text1 = text; }
    void SetOtherMatters(LPCTSTR text) { m_otherMatters = text; }
    void SetRemarks(LPCTSTR text) { m_remarks = text; }
    const CString& GetFloorText() const { return m_floorText; }
    const ZnModelArea& GetFloorArea() const { return m_floorArea; }
    int GetColumnDiameter() const { return m_columnDiameter; }
    int GetBeamDistance() const { return m_beamDistance; }
    int GetFloorHeight() const { return m_floorHeight; }
    int GetCeilingHeight() const { return m_ceilingHeight; }
    const ZnModelAppUseFloorAreaList& GetUseFloorAreaList() const { return m_useFloorAreaList; }
    const CString& GetText1() const { return m_text1; }
    const CString& GetOtherMatters() const { return m_otherMatters; }
    const CString& GetRemarks() const { return m_remarks; }

    // The floor area first in the archive, then the designation, the numbers, the texts and
    // the floor areas by usage.
    void Serialize(CArchive& ar) override;

    CString m_floorText; // the writer derives 番号 and 区分 from it
    ZnModelArea m_floorArea;
    int m_columnDiameter = 0;
    int m_beamDistance = 0;
    int m_floorHeight = 0;
    int m_ceilingHeight = 0;
    ZnModelAppUseFloorAreaList m_useFloorAreaList;
    CString m_text1;
    CString m_otherMatters; // その他必要な事項
    CString m_remarks;      // 備考
};

// Floors of a building; the holder owns the elements.
typedef ZnModelList<ZnModelAppFloorOutline> ZnModelAppFloorOutlineList;
