#include "model/ZnModelAppTenkuritu.h"

IMPLEMENT_SERIAL(ZnModelAppTenkuritu, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppTenkuritu::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppTenkuritu));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_first, m_roadLimitExempt, m_adjacentLimitExempt, m_northLimitExempt);
}
