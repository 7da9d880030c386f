#include "model/ZnModelAppHeader.h"

IMPLEMENT_SERIAL(ZnModelAppHeader, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelAppHeader::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppHeader));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_areaCode, m_localData, m_firstText, m_secondText, m_headerNumber, m_thirdText, m_fourthText);
}
