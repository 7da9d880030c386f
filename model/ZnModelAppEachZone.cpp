#include "model/ZnModelAppEachZone.h"

IMPLEMENT_SERIAL(ZnModelAppEachZone, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppEachZone::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppEachZone));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_useZoneCode, m_area, m_area2Omitted, m_areaText, m_designatedFloorAreaRatio, m_coverageRatio);
}
