#include "model/JkModelAddress.h"

IMPLEMENT_SERIAL(JkModelAddress, ZnModel, VERSIONABLE_SCHEMA | 256)

CString JkModelAddress::GetPostalCode() const
{
    if (m_postalCode1.IsEmpty() && m_postalCode2.IsEmpty())
        return "";
    return m_postalCode1 + "-" + m_postalCode2;
}

void JkModelAddress::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(JkModelAddress));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_postalCode1, m_postalCode2, m_firstAddressText, m_firstAddressNumber, m_secondAddressText,
                    m_secondAddressNumber, m_address, m_addressValues[0], m_addressValues[1], m_addressValues[2],
                    m_addressValues[3]);
}
