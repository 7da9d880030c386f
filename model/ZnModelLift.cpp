#include "model/ZnModelLift.h"

IMPLEMENT_SERIAL(ZnModelLift, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelLift::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelLift));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_kindCode, m_usageCode, m_leadingValue, m_kindText, m_usageText, m_loadCapacity, m_maxPersons,
                    m_ratedSpeed, m_otherMatters);
}
