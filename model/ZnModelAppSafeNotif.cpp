#include "model/ZnModelAppSafeNotif.h"

IMPLEMENT_SERIAL(ZnModelAppSafeNotif, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppSafeNotif::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppSafeNotif));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_buildingAddress, m_buildingName, m_mainStructure, m_plannedStart, m_plannedEnd, m_useFrom,
                    m_useTo, m_confirmation, m_tempUseApproval);
    SerializeFields(ar, m_text1, m_text2, m_text3, m_number1, m_number2, m_area1, m_area2, m_area3, m_remarks);
}
