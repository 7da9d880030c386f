// The site page of a building application (第三面): site addresses, city-planning
// classification, fire zones, road, site area by use zone, main usage, construction kinds,
// building and floor areas, building counts and heights, main structure, planned dates, the
// sky-factor provision, specified construction stages, free texts and two site positions.
// It also computes the figures the third face prints: the site-area totals, the building
// coverage ratio, the floor area counted for the floor-area ratio and the floor-area ratio.
//
// Layouts: schema 256 lacks the sky-factor provision and the second other-district flag; any
// other stored schema is read as 257. Storing always writes 257.
#pragma once

#include "model/JkModelAddress.h"
#include "model/ZnModelAppSiteArea.h"
#include "model/ZnModelAppSitePos.h"
#include "model/ZnModelAppStrKind.h"
#include "model/ZnModelAppTenkuritu.h"
#include "model/ZnModelAppTotalFloorArea.h"
#include "model/ZnModelConstKindFlags.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelUrbanAreaCode.h"
#include "model/ZnModelUsageCode.h"

class ZnModelAppSitePage : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppSitePage)
public:
    // Code converters: each acts on the first literal the code equals and ignores a null or
    // unknown code. The setters of flags never clear one.
    // "00700", "00701", "00702" set the city-planning classification to 0, 1, 2.
    void SetUrbanPlanKind(LPCTSTR code);
    // The code of the classification; "" when it is none of 0, 1, 2.
    CString GetUrbanPlanKindCode() const;
    // "00601" 防火地域, "00602" 準防火地域, "00603" 指定なし.
    void SetFireZone(LPCTSTR code);
    // Empties codes, then appends the code of each fire-zone flag set, in that order.
    void GetFireZoneCodes(CStringList& codes) const;
    void SetConstKind(LPCTSTR code) { ZnModelConstKindFlags::SetByCode(m_constKind, code); }
    void GetConstKindCodes(CStringList& codes) const { ZnModelConstKindFlags::GetCodes(m_constKind, codes); }

    // The derived figures, computed on every call and never stored. None divides by zero, and
    // a figure that would not be a finite number is 0.0.
    // Sum of the zones' site areas (面積1 of 敷地面積の合計).
    double GetSiteArea1Total() const;
    // Sum of the zones' second areas read from their texts, zones without one left out (面積2).
    double GetSiteArea2Total() const;
    // Building coverage ratio in percent: cut to three decimals, then rounded up to two.
    double GetCoverageRatio() const;
    // Floor area counted for the floor-area ratio: the whole less the garage part (at most a
    // fifth of the whole), the common corridors and the basement housing part (at most a third
    // of the housing part), rounded up to hundredths unless the rest is below a thousandth.
    double GetTotalFloorArea() const;
    // Floor-area ratio in percent over the zones' second areas (a zone's site area where its
    // text reads as 0), rounded as GetTotalFloorArea.
    double GetFloorAreaRatio() const;

    void SetLotAddress(const JkModelAddress& address) { m_lotAddress = address; }
    void SetDisplayAddress(const JkModelAddress& address) { m_displayAddress = address; }
    void SetUrbanAreaCode(const ZnModelUrbanAreaCode& code) { m_urbanAreaCode = code; }
    void SetFireZoneFlag(int flag) { m_fireZone = flag; }
    void SetSemiFireZoneFlag(int flag) { m_semiFireZone = flag; }
    void SetNoFireZoneFlag(int flag) { m_noFireZone = flag; }
    void SetOtherZoneText(LPCTSTR text) { m_otherZoneText = text; }
    void SetOtherZoneFlag1(int flag) { m_otherZoneFlag1 = flag; }
    void SetOtherZoneFlag2(int flag) { m_otherZoneFlag2 = flag; }
    void SetRoadWidth(double width) { m_roadWidth = width; }
    void SetRoadFrontage(double length) { m_roadFrontage = length; }
    void SetSiteArea(const ZnModelAppSiteArea& siteArea) { m_siteArea = siteArea; }
    void SetMainUsageCode(const ZnModelUsageCode& code) { m_mainUsageCode = code; }
    void SetMainUsageText(LPCTSTR text) { m_mainUsageText = text; }
    void SetBuildingArea(const ZnModelArea& area) { m_buildingArea = area; }
    void SetTotalFloorAreaInfo(const ZnModelAppTotalFloorArea& areas) { m_totalFloorArea = areas; }
    void SetAppBuildingCount(int count) { m_appBuildingCount = count; }
    void SetOtherBuildingCount(int count) { m_otherBuildingCount = count; }
    void SetAppMaxHeight(double height) { m_appMaxHeight = height; }
    void SetAppFloorsAbove(int floors) { m_appFloorsAbove = floors; }
    void SetAppFloorsBelow(int floors) { m_appFloorsBelow = floors; }
    void SetOtherMaxHeight(double height) { m_otherMaxHeight = height; }
    void SetOtherFloorsAbove(int floors) { m_otherFloorsAbove = floors; }
    void SetOtherFloorsBelow(int floors) { m_otherFloorsBelow = floors; }
    void SetMainStrKind(const ZnModelAppStrKind& kind) { m_mainStrKind = kind; }
    void SetStrKindList(const ZnModelAppStrKindList& kinds) { m_strKindList = kinds; }
    void SetConstStartDate(const ZnModelDate& date) { m_constStartDate = date; }
    void SetConstEndDate(const ZnModelDate& date) { m_constEndDate = date; }
    void SetTenkuritu(const ZnModelAppTenkuritu& tenkuritu) { m_tenkuritu = tenkuritu; }
    void SetPermitText(LPCTSTR text) { m_permitText = text; }
    void SetSpecStageDate(const ZnModelInspDate& stage) { m_specStageDate = stage; }
    void SetInspDateList(const ZnModelInspDateList& stages) { m_specStageList = stages; }
    void SetOtherMatters(LPCTSTR text) { m_otherMatters = text; }
    void SetRemarks(LPCTSTR text) { m_remarks = text; }
    void SetChangeSummary(LPCTSTR text) { m_changeSummary = text; }
    void SetSitePos1(const ZnModelAppSitePos& position) { m_sitePos1 = position; }
    void SetSitePos2(const ZnModelAppSitePos& position) { m_sitePos2 = position; }

    const JkModelAddress& GetLotAddress() const { return m_lotAddress; }
    const JkModelAddress& GetDisplayAddress() const { return m_displayAddress; }
    const ZnModelUrbanAreaCode& GetUrbanAreaCode() const { return m_urbanAreaCode; }
    const CString& GetOtherZoneText() const { return m_otherZoneText; }
    const ZnModelAppSiteArea& GetSiteArea() const { return m_siteArea; }
    const ZnModelUsageCode& GetUsageCode() const { return m_mainUsageCode; }
    const CString& GetMainUsageText() const { return m_mainUsageText; }
    const ZnModelArea& GetBuildingArea() const { return m_buildingArea; }
    const ZnModelAppTotalFloorArea& GetTotalFloorAreaData() const { return m_totalFloorArea; }
    const ZnModelAppStrKind& GetStrKind() const { return m_mainStrKind; }
    const ZnModelAppStrKindList& GetStrKindList() const { return m_strKindList; }
    const ZnModelDate& GetConstStartDate() const { return m_constStartDate; }
    const ZnModelDate& GetConstEndDate() const { return m_constEndDate; }
    const ZnModelAppTenkuritu& GetTenkuritu() const { return m_tenkuritu; }
    const CString& GetPermitText() const { return m_permitText; }
    const ZnModelInspDate& GetSpecStageDate() const { return m_specStageDate; }
    const ZnModelInspDateList& GetInspDateList() const { return m_specStageList; }
    const CString& GetOtherMatters() const { return m_otherMatters; }
    const CString& GetRemarks() const { return m_remarks; }
    const CString& GetChangeSummary() const { return m_changeSummary; }
    const ZnModelAppSitePos& GetSitePos1() const { return m_sitePos1; }
    const ZnModelAppSitePos& GetSitePos2() const { return m_sitePos2; }

    // The embedded records first, then the numbers and texts, then the two lists. Loading
    // schema 256 leaves the sky-factor provision and the second other-district flag at their
    // defaults.
    void Serialize(CArchive& ar) override;

    JkModelAddress m_lotAddress;     // 地名地番
    JkModelAddress m_displayAddress; // 住居表示
    int m_urbanPlanKind = 1;         // 都市計画区域区分: 0, 1, 2 for "00700", "00701", "00702"
    ZnModelUrbanAreaCode m_urbanAreaCode;
    int m_fireZone = 0;          // 防火地域
    int m_semiFireZone = 0;      // 準防火地域
    int m_noFireZone = 0;        // 指定なし
    CString m_otherZoneText;     // その他の区域等
    int m_otherZoneFlag1 = 0;    // ２２条区域
    int m_otherZoneFlag2 = 0;    // schema 257
    double m_roadWidth = 0.0;    // 幅員
    double m_roadFrontage = 0.0; // 敷地と接している部分の長さ
    ZnModelAppSiteArea m_siteArea;
    ZnModelUsageCode m_mainUsageCode; // 主要用途 / 用途コード
    CString m_mainUsageText;          // 用途内容
    int m_constKind[ZnModelConstKindFlags::count] = {};
    ZnModelArea m_buildingArea; // 建築面積
    ZnModelAppTotalFloorArea m_totalFloorArea;
    int m_appBuildingCount = 0;   // 申請に係る建築物の数
    int m_otherBuildingCount = 0; // 同一敷地内の他の建築物の数
    double m_appMaxHeight = 0.0;
    int m_appFloorsAbove = 0;
    int m_appFloorsBelow = 0;
    double m_otherMaxHeight = 0.0;
    int m_otherFloorsAbove = 0;
    int m_otherFloorsBelow = 0;
    ZnModelAppStrKind m_mainStrKind; // 主構造
    ZnModelAppStrKindList m_strKindList;
    ZnModelDate m_constStartDate;    // 工事着手予定日
    ZnModelDate m_constEndDate;      // 工事完了予定日
    ZnModelAppTenkuritu m_tenkuritu; // schema 257
    CString m_permitText;
    ZnModelInspDate m_specStageDate; // the first specified construction stage
    ZnModelInspDateList m_specStageList;
    CString m_otherMatters; // その他必要な事項
    CString m_remarks;
    CString m_changeSummary; // 変更概要
    ZnModelAppSitePos m_sitePos1;
    ZnModelAppSitePos m_sitePos2;
};
