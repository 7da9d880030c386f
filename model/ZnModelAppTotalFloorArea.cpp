#include "model/ZnModelAppTotalFloorArea.h"

IMPLEMENT_SERIAL(ZnModelAppTotalFloorArea, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppTotalFloorArea::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppTotalFloorArea));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_whole, m_basementHousing, m_commonCorridor, m_garage, m_housing);
}
