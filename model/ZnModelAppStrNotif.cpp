#include "model/ZnModelAppStrNotif.h"

IMPLEMENT_SERIAL(ZnModelAppStrNotif, ZnModel, VERSIONABLE_SCHEMA | 257)

namespace {
const UINT firstLayoutSchema = 256;
} // namespace

void ZnModelAppStrNotif::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppStrNotif));
    ZnModel::Serialize(ar);
    const bool laterLayout = schema != firstLayoutSchema;
    SerializeFieldIf(ar, laterLayout, m_use);
    SerializeFields(ar, m_multiUse, m_partStructure, m_housing1, m_housing2, m_housing3, m_housing4);
    SerializeFields(ar, m_number, m_oldText, m_area, m_count1, m_count2, m_count3);
    SerializeFields(ar, m_housingCount1, m_housingArea1, m_housingCount2, m_housingArea2, m_housingCount3,
                    m_housingArea3, m_housingCount4, m_housingArea4);
    if (ar.IsLoading() && !laterLayout)
        m_oldText.Empty();
}
