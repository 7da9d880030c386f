#include "model/ZnModelAppTempUseConf.h"

IMPLEMENT_SERIAL(ZnModelAppTempUseConf, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppTempUseConf::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppTempUseConf));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_confirmation, m_siteAddress1, m_siteAddress2, m_objectAddress, m_objectName, m_plannedStart,
                    m_plannedEnd, m_useFrom, m_useTo, m_formDigit, m_useText, m_reason, m_remarks);
}
