#include "model/ZnModelNumGroup.h"

IMPLEMENT_SERIAL(ZnModelNumGroup, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelNumGroup::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelNumGroup));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_firstNumber, m_secondNumber, m_itemNumber);
}
