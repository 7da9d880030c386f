#include "model/ZnModelConstructor.h"

IMPLEMENT_SERIAL(ZnModelConstructor, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelConstructor::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelConstructor));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_name, m_licenceIssuer, m_individualData, m_registrationNumber);
}
