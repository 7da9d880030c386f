#include "model/JkModelIndividualData.h"

IMPLEMENT_SERIAL(JkModelIndividualData, ZnModel, VERSIONABLE_SCHEMA | 256)

void JkModelIndividualData::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(JkModelIndividualData));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_name, m_address, m_telephone);
}
