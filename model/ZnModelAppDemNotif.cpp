#include "model/ZnModelAppDemNotif.h"

IMPLEMENT_SERIAL(ZnModelAppDemNotif, ZnModelApp, VERSIONABLE_SCHEMA | 257)

namespace {
const UINT firstLayoutSchema = 256;
} // namespace

void ZnModelAppDemNotif::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppDemNotif));
    ZnModelApp::Serialize(ar);
    const bool laterLayout = schema != firstLayoutSchema;
    SerializeFields(ar, m_contractor, m_place, m_date);
    SerializeFieldIf(ar, laterLayout, m_mainUse);
    SerializeFields(ar, m_cause, m_structure, m_tenure, m_oldText, m_buildingCount, m_dwellingCount, m_floorArea,
                    m_value);
    // What the first layout stored as the text is not kept.
    if (ar.IsLoading() && !laterLayout)
        m_oldText.Empty();
}
