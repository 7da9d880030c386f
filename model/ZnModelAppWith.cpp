#include "model/ZnModelAppWith.h"

IMPLEMENT_SERIAL(ZnModelAppWith, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppWith::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppWith));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_liftList, m_equipList, m_liftList2, m_structList);
}
