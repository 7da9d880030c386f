#include "model/ZnModelAppLocalData.h"

IMPLEMENT_SERIAL(ZnModelAppLocalData, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppLocalData::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppLocalData));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_documentKind, m_localText, m_firstLocalNumber, m_secondLocalNumber, m_thirdLocalText,
                    m_fourthLocalText, m_buildingNumGroups, m_liftNumGroups, m_equipmentNumGroups,
                    m_secondLiftNumGroups, m_structureNumGroups);
}
