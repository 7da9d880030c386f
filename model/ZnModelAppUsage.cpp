#include "model/ZnModelAppUsage.h"

IMPLEMENT_SERIAL(ZnModelAppUsage, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppUsage::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppUsage));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_usageCode, m_text);
}
