// The common base of the building applications: the persons of the application (designers,
// equipment-design advisers, supervisors, the constructor), the remarks of the second face,
// the building's name, the site page (第三面) and one page per building (第四面).
//
// Layouts: schema 257 stores the three lists of further persons after the pages. Any other
// stored schema has none; loading it collects them from the pages instead. Storing always
// writes 257.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelAppBuildPage.h"
#include "model/ZnModelAppSitePage.h"

class ZnModelAppBuild : public ZnModelApp {
    DECLARE_ZN_MODEL(ZnModelAppBuild)
public:
    void SetDesigner(const ZnModelDesigner& designer) { m_designer = designer; }
    void SetEquipDesigner(const ZnModelEquipDesigner& adviser) { m_equipDesigner = adviser; }
    void SetSupervisor(const ZnModelDesigner& supervisor) { m_supervisor = supervisor; }
    void SetConstructor(const ZnModelConstructor& constructor) { m_constructor = constructor; }
    void SetNote(LPCTSTR note) { m_note = note; }
    void SetName(const JkModelName& name) { m_name = name; }
    void SetSitePage(const ZnModelAppSitePage& sitePage) { m_sitePage = sitePage; }
    // Replaces the pages by copies of the given list's pages.
    void SetBuildPageList(const ZnModelAppBuildPageList& pages) { m_buildPageList = pages; }

    const CString& GetDesignerText() const { return m_designerText; }
    // The first designer of the building application (the agent keeps ZnModelApp's accessor).
    const ZnModelDesigner& GetDesigner() const { return m_designer; }
    const ZnModelDesignerList& GetDesignerList() const { return m_designerList; }
    const ZnModelEquipDesigner& GetEquipDesigner() const { return m_equipDesigner; }
    const ZnModelEquipDesignerList& GetEquipDesignerList() const { return m_equipDesignerList; }
    const ZnModelDesigner& GetSupervisor() const { return m_supervisor; }
    const ZnModelDesignerList& GetSupervisorList() const { return m_supervisorList; }
    const ZnModelConstructor& GetConstructor() const { return m_constructor; }
    const CString& GetNote() const { return m_note; }
    const JkModelName& GetName() const { return m_name; }
    const ZnModelAppSitePage& GetSitePage() const { return m_sitePage; }
    const ZnModelAppBuildPageList& GetBuildPageList() const { return m_buildPageList; }

    // The application root, the embedded records, the two texts, the pages, then the lists of
    // further designers, advisers and supervisors.
    void Serialize(CArchive& ar) override;

    CString m_designerText; // 設計者 of the first face
    ZnModelDesigner m_designer;
    ZnModelDesignerList m_designerList;
    ZnModelEquipDesigner m_equipDesigner; // 建築設備設計意見者
    ZnModelEquipDesignerList m_equipDesignerList;
    ZnModelDesigner m_supervisor; // 工事監理者
    ZnModelDesignerList m_supervisorList;
    ZnModelConstructor m_constructor; // 工事施工者
    CString m_note;                   // 備考内容 of the second face
    JkModelName m_name;               // 建築物の名称, 建築物フリガナ
    ZnModelAppSitePage m_sitePage;
    ZnModelAppBuildPageList m_buildPageList;

private:
    // The older layouts' persons: from each page in order, a copy of its designer, its adviser
    // and its supervisor, each only when that person's name is not empty.
    void CollectPersonsFromPages();
};
