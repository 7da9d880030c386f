#include "model/ZnModelAppSiteArea.h"

IMPLEMENT_SERIAL(ZnModelAppSiteArea, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppSiteArea::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppSiteArea));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_buildableFloorAreaRatio, m_buildableCoverageRatio, m_text, m_zoneList);
}
