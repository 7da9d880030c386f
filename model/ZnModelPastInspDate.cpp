#include "model/ZnModelPastInspDate.h"

IMPLEMENT_SERIAL(ZnModelPastInspDate, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelPastInspDate::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelPastInspDate));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_certificate, m_count, m_stageName);
}
