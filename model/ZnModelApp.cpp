#include "model/ZnModelApp.h"

IMPLEMENT_SERIAL(ZnModelApp, ZnModel, VERSIONABLE_SCHEMA | 256)

void ZnModelApp::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelApp));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_header, m_applicationDate, m_applicantName, m_firstOwner, m_agent, m_submissionDestination,
                    m_additionalNumber, m_additionalText, m_furtherOwners);
}
