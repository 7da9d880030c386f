#include "model/ZnModelAppSitePage.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

IMPLEMENT_SERIAL(ZnModelAppSitePage, ZnModel, VERSIONABLE_SCHEMA | 257)

namespace {

const UINT firstSchema = 256;

// The city-planning classification codes, indexed by the stored value.
const char* const urbanPlanKindCodes[] = {"00700", "00701", "00702"};
const int urbanPlanKindCount = 3;

// The fire-zone codes with the flag each one sets.
const struct {
    const char* code;
    int ZnModelAppSitePage::*flag;
} fireZones[] = {
    {"00601", &ZnModelAppSitePage::m_fireZone},
    {"00602", &ZnModelAppSitePage::m_semiFireZone},
    {"00603", &ZnModelAppSitePage::m_noFireZone},
};

// What the ratio operations give: a value that is not a finite number becomes 0.0, so that a
// damaged area in a file never reaches a printed figure as NaN or infinity.
double FiniteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

// Rounds up to hundredths unless the part below the hundredth is less than a thousandth.
double RoundUpToHundredths(double value) { return std::floor((value + 0.000005) * 100.0 + 0.9) * 0.01; }

} // namespace

void ZnModelAppSitePage::SetUrbanPlanKind(LPCTSTR code)
{
    if (!code)
        return;
    for (int kind = 0; kind < urbanPlanKindCount; ++kind) {
        if (std::strcmp(code, urbanPlanKindCodes[kind]) == 0) {
            m_urbanPlanKind = kind;
            return;
        }
    }
}

CString ZnModelAppSitePage::GetUrbanPlanKindCode() const
{
    if (m_urbanPlanKind < 0 || m_urbanPlanKind >= urbanPlanKindCount)
        return "";
    return urbanPlanKindCodes[m_urbanPlanKind];
}

void ZnModelAppSitePage::SetFireZone(LPCTSTR code)
{
    if (!code)
        return;
    for (const auto& zone : fireZones) {
        if (std::strcmp(code, zone.code) == 0) {
            this->*zone.flag = 1;
            return;
        }
    }
}

void ZnModelAppSitePage::GetFireZoneCodes(CStringList& codes) const
{
    codes.RemoveAll();
    for (const auto& zone : fireZones)
        if (this->*zone.flag)
            codes.AddTail(zone.code);
}

double ZnModelAppSitePage::GetSiteArea1Total() const
{
    double total = 0.0;
    const ZnModelAppEachZoneList& zones = m_siteArea.m_zoneList;
    for (POSITION pos = zones.GetHeadPosition(); pos;)
        if (const ZnModelAppEachZone* zone = zones.GetNext(pos))
            total += zone->m_area;
    return FiniteOrZero(total);
}

double ZnModelAppSitePage::GetSiteArea2Total() const
{
    double total = 0.0;
    const ZnModelAppEachZoneList& zones = m_siteArea.m_zoneList;
    for (POSITION pos = zones.GetHeadPosition(); pos;) {
        const ZnModelAppEachZone* zone = zones.GetNext(pos);
        if (zone && !zone->m_area2Omitted)
            total += std::atof(zone->m_areaText);
    }
    return FiniteOrZero(total);
}

double ZnModelAppSitePage::GetCoverageRatio() const
{
    double siteArea = GetSiteArea1Total();
    if (!(siteArea > 0.0))
        return 0.0;
    double thousandths = (m_buildingArea.GetTotal() / siteArea * 100.0 + 0.000005) * 1000.0;
    double whole = 0.0;
    std::modf(thousandths, &whole);
    return FiniteOrZero(std::ceil(whole * 0.1) * 0.01);
}

double ZnModelAppSitePage::GetTotalFloorArea() const
{
    double whole = m_totalFloorArea.m_whole.GetTotal();
    double basementHousing = m_totalFloorArea.m_basementHousing.GetTotal();
    double commonCorridor = m_totalFloorArea.m_commonCorridor.GetTotal();
    double garage = m_totalFloorArea.m_garage.GetTotal();
    double housing = m_totalFloorArea.m_housing.GetTotal();

    double basementCap = housing * 0.3333333333333333;
    if (basementHousing > basementCap)
        basementHousing = basementCap;
    double garageCap = whole * 0.2;
    if (garage > garageCap)
        garage = garageCap;
    double deduction = (garage + commonCorridor) + basementHousing;
    return FiniteOrZero(RoundUpToHundredths(whole - deduction));
}

double ZnModelAppSitePage::GetFloorAreaRatio() const
{
    double siteArea = 0.0;
    const ZnModelAppEachZoneList& zones = m_siteArea.m_zoneList;
    for (POSITION pos = zones.GetHeadPosition(); pos;) {
        const ZnModelAppEachZone* zone = zones.GetNext(pos);
        if (!zone)
            continue;
        double area = std::atof(zone->m_areaText);
        siteArea += (area == 0.0 || std::isnan(area)) ? zone->m_area : area;
    }
    if (siteArea == 0.0 || std::isnan(siteArea))
        return 0.0;
    return FiniteOrZero(RoundUpToHundredths(GetTotalFloorArea() / siteArea * 100.0));
}

void ZnModelAppSitePage::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppSitePage));
    ZnModel::Serialize(ar);
    bool newest = ar.IsStoring() || schema != firstSchema;

    SerializeFields(ar, m_lotAddress, m_displayAddress, m_urbanAreaCode, m_siteArea, m_mainUsageCode, m_buildingArea,
                    m_totalFloorArea, m_mainStrKind, m_constStartDate, m_constEndDate);
    if (newest)
        SerializeFields(ar, m_tenkuritu);
    else
        m_tenkuritu = ZnModelAppTenkuritu();
    SerializeFields(ar, m_specStageDate, m_sitePos1, m_sitePos2, m_urbanPlanKind, m_fireZone, m_semiFireZone,
                    m_noFireZone, m_otherZoneText, m_otherZoneFlag1);
    if (newest)
        SerializeFields(ar, m_otherZoneFlag2);
    else
        m_otherZoneFlag2 = 0;
    SerializeFields(ar, m_roadWidth, m_roadFrontage, m_mainUsageText, m_constKind, m_appBuildingCount,
                    m_otherBuildingCount, m_appMaxHeight, m_appFloorsAbove, m_appFloorsBelow, m_otherMaxHeight,
                    m_otherFloorsAbove, m_otherFloorsBelow, m_permitText, m_otherMatters, m_remarks, m_changeSummary,
                    m_strKindList, m_specStageList);
}
