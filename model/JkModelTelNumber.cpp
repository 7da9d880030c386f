#include "model/JkModelTelNumber.h"

IMPLEMENT_SERIAL(JkModelTelNumber, ZnModel, VERSIONABLE_SCHEMA | 256)

CString JkModelTelNumber::GetTelNumber() const
{
    if (m_firstPart.IsEmpty() && m_secondPart.IsEmpty() && m_thirdPart.IsEmpty())
        return "";
    return m_firstPart + "-" + m_secondPart + "-" + m_thirdPart;
}

void JkModelTelNumber::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(JkModelTelNumber));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_firstPart, m_secondPart, m_thirdPart, m_telNumberValue);
}
