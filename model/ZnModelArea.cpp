#include "model/ZnModelArea.h"

IMPLEMENT_SERIAL(ZnModelArea, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelArea::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelArea));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_appPart, m_otherPart);
}
