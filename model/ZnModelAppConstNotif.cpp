#include "model/ZnModelAppConstNotif.h"

IMPLEMENT_SERIAL(ZnModelAppConstNotif, ZnModelApp, VERSIONABLE_SCHEMA | 258)

namespace {
const UINT firstLayoutSchema = 256;
const UINT supervisorSchema = 258;
} // namespace

void ZnModelAppConstNotif::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppConstNotif));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_num, m_ownerType, m_ownerOcc, m_siteAddress, m_planArea, m_periodStart, m_periodEnd,
                    m_constKind);
    SerializeFieldIf(ar, schema != firstLayoutSchema, m_mainUse);
    SerializeFields(ar, m_demolition);
    SerializeFieldIf(ar, schema == supervisorSchema, m_supervisor);
    SerializeFields(ar, m_ownerValue, m_periodA, m_periodB, m_oldText, m_siteArea, m_buildings);
    // The first layout kept other data in the text and the owner's code.
    if (ar.IsLoading() && schema == firstLayoutSchema) {
        m_oldText.Empty();
        m_ownerOcc.SetCode("");
    }
}
