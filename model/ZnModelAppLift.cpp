#include "model/ZnModelAppLift.h"

IMPLEMENT_SERIAL(ZnModelAppLift, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppLift::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppLift));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_designer, m_constructor, m_address, m_name, m_confNum, m_lift, m_constStartDate,
                    m_constEndDate, m_specStageDate, m_usageText, m_note, m_changeSummary, m_designerList,
                    m_constructorList, m_liftList);
}
