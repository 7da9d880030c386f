#include "model/ZnModelOwner.h"

IMPLEMENT_SERIAL(ZnModelOwner, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelOwner::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelOwner));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_person);
}
