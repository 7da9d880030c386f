#include "model/JkModelName.h"

IMPLEMENT_SERIAL(JkModelName, ZnModel, VERSIONABLE_SCHEMA | 256)

void JkModelName::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(JkModelName));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_name, m_nameReading, m_firstNameNumber, m_secondNameNumber);
}
