#include "model/ZnModelAppEquip.h"

IMPLEMENT_SERIAL(ZnModelAppEquip, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppEquip::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppEquip));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_designer, m_constructor, m_address, m_name, m_confNum, m_constStartDate, m_constEndDate,
                    m_specStageDate, m_usageText, m_equipOutline, m_note, m_changeSummary, m_designerList,
                    m_constructorList);
}
