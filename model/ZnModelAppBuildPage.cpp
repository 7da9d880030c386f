#include "model/ZnModelAppBuildPage.h"

IMPLEMENT_SERIAL(ZnModelAppBuildPage, ZnModel, VERSIONABLE_SCHEMA | 257)

namespace {

const UINT extraValueSchema = 257;

// The sum of one part of the floor areas over the floors, null entries skipped.
double SumFloorAreas(const ZnModelAppFloorOutlineList& floors, double ZnModelArea::*part)
{
    double total = 0.0;
    for (POSITION pos = floors.GetHeadPosition(); pos;)
        if (const ZnModelAppFloorOutline* floor = floors.GetNext(pos))
            total += floor->m_floorArea.*part;
    return total;
}

} // namespace

double ZnModelAppBuildPage::GetAppPartFloorArea() const
{
    return SumFloorAreas(m_floorOutlineList, &ZnModelArea::m_appPart);
}

double ZnModelAppBuildPage::GetOtherPartFloorArea() const
{
    return SumFloorAreas(m_floorOutlineList, &ZnModelArea::m_otherPart);
}

void ZnModelAppBuildPage::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppBuildPage));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_designer, m_equipDesigner, m_supervisor, m_constructor, m_strKind, m_fireProofCode,
                    m_confException, m_buildingNumber, m_constKind, m_floorsAboveGround, m_floorsBelowGround,
                    m_penthouseFloors, m_basementStoreFloors, m_maxHeight, m_maxEavesHeight, m_equipKinds, m_roof,
                    m_outerWall, m_eaves, m_roomFloorHeight, m_toiletKind, m_text2, m_remarks1, m_remarks2, m_remarks3,
                    m_certNumber, m_changeSummary, m_usageList, m_strKindList, m_floorOutlineList);
    if (ar.IsStoring() || schema == extraValueSchema)
        SerializeFields(ar, m_extraValue);
    else
        m_extraValue = 0.0;
}
