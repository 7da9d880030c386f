#include "model/ZnModelAppUseFloorArea.h"

IMPLEMENT_SERIAL(ZnModelAppUseFloorArea, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppUseFloorArea::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppUseFloorArea));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_usageCode, m_text, m_floorArea);
}
