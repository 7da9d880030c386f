#include "model/ZnModelAppBuild.h"

IMPLEMENT_SERIAL(ZnModelAppBuild, ZnModelApp, VERSIONABLE_SCHEMA | 257)

namespace {
const UINT personListsSchema = 257;
} // namespace

void ZnModelAppBuild::Serialize(CArchive& ar)
{
    UINT schema = SerializeClassRef(ar, RUNTIME_CLASS(ZnModelAppBuild));
    ZnModelApp::Serialize(ar);
    SerializeFields(ar, m_designer, m_equipDesigner, m_supervisor, m_constructor, m_name, m_sitePage, m_designerText,
                    m_note, m_buildPageList);
    if (ar.IsStoring() || schema == personListsSchema)
        SerializeFields(ar, m_designerList, m_equipDesignerList, m_supervisorList);
    else
        CollectPersonsFromPages();
}

void ZnModelAppBuild::CollectPersonsFromPages()
{
    m_designerList.DeleteAll();
    m_equipDesignerList.DeleteAll();
    m_supervisorList.DeleteAll();
    for (POSITION pos = m_buildPageList.GetHeadPosition(); pos;) {
        const ZnModelAppBuildPage* page = m_buildPageList.GetNext(pos);
        if (!page)
            continue;
        if (!page->m_designer.GetName().GetName().IsEmpty())
            m_designerList.AddCopy(page->m_designer);
        if (!page->m_equipDesigner.GetName().GetName().IsEmpty())
            m_equipDesignerList.AddCopy(page->m_equipDesigner);
        if (!page->m_supervisor.GetName().GetName().IsEmpty())
            m_supervisorList.AddCopy(page->m_supervisor);
    }
}
