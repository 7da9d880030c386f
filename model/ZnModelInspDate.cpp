#include "model/ZnModelInspDate.h"

IMPLEMENT_SERIAL(ZnModelInspDate, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelInspDate::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelInspDate));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_date, m_count, m_name);
}
