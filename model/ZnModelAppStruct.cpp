#include "model/ZnModelAppStruct.h"

IMPLEMENT_SERIAL(ZnModelAppStruct, ZnModelApp, VERSIONABLE_SCHEMA | 256)

void ZnModelAppStruct::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppStruct));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_designer, m_constructor, m_lotAddress, m_displayAddress, m_structure, m_constStartDate,
                    m_constEndDate, m_specStageDate, m_name, m_note, m_changeSummary, m_designerList, m_constructorList,
                    m_structList);
}
