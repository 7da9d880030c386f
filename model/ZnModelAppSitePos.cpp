#include "model/ZnModelAppSitePos.h"

IMPLEMENT_SERIAL(ZnModelAppSitePos, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppSitePos::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppSitePos));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_values);
}
