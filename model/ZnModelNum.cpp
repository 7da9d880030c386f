#include "model/ZnModelNum.h"

IMPLEMENT_SERIAL(ZnModelNum, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelNum::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelNum));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_date, m_number, m_furtherText);
}
