#include "model/ZnModelAppFloorOutline.h"

IMPLEMENT_SERIAL(ZnModelAppFloorOutline, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppFloorOutline::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppFloorOutline));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_floorArea, m_floorText, m_columnDiameter, m_beamDistance, m_floorHeight, m_ceilingHeight,
                    m_text1, m_otherMatters, m_remarks, m_useFloorAreaList);
}
