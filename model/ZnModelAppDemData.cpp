#include "model/ZnModelAppDemData.h"

IMPLEMENT_SERIAL(ZnModelAppDemData, ZnModel, VERSIONABLE_SCHEMA | 257)

namespace {
const UINT firstLayoutSchema = 256;
} // namespace

void ZnModelAppDemData::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppDemData));
    ZnModel::Serialize(ar);
    const bool laterLayout = schema != firstLayoutSchema;
    SerializeFields(ar, m_contractor);
    SerializeFieldIf(ar, laterLayout, m_mainUse);
    SerializeFields(ar, m_cause, m_structure, m_tenure);
    SerializeFieldIf(ar, laterLayout, m_present);
    SerializeFields(ar, m_oldText, m_buildingCount, m_dwellingCount, m_floorArea, m_value);
    if (ar.IsLoading() && !laterLayout)
        m_present = HasFirstLayoutEntries() ? 1 : 0;
}

bool ZnModelAppDemData::HasFirstLayoutEntries() const
{
    return !m_oldText.IsEmpty() || !m_cause.GetCode().IsEmpty() || !m_structure.GetCode().IsEmpty() ||
           m_buildingCount != 0 || m_dwellingCount != 0 || !m_tenure.GetCode().IsEmpty() || m_floorArea != 0.0 ||
           m_value != 0;
}
