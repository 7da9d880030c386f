#include "model/ZnModelEquip.h"

IMPLEMENT_SERIAL(ZnModelEquip, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelEquip::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelEquip));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_leadingValue, m_text1, m_text2);
}
