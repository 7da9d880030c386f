// The common base of the applications for a structure under Article 88 paragraph 1
// (工作物（法88条1項）): designers, constructors, the site (地名地番, 住居表示), the structures
// (工作物1の概要), the planned dates, the specified stage, two texts and the structure's name.
#pragma once

#include "model/ZnModelAppPersons.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelStruct.h"

class ZnModelAppStruct : public ZnModelAppPersons {
    DECLARE_ZN_MODEL(ZnModelAppStruct)
public:
    // Replaces the further structures by copies of the given list's structures.
    void SetStructList(const ZnModelStructList& structures) { m_structList = structures; }
    void SetInspDate(const ZnModelInspDate& stage) { m_specStageDate = stage; }
    void SetName(const JkModelName& name) { m_name = name; }

    const JkModelAddress& GetLotAddress() const { return m_lotAddress; }
    const JkModelAddress& GetDisplayAddress() const { return m_displayAddress; }
    const ZnModelStruct& GetStructure() const { return m_structure; }
    const ZnModelStructList& GetStructList() const { return m_structList; }
    const ZnModelDate& GetConstStartDate() const { return m_constStartDate; }
    const ZnModelDate& GetConstEndDate() const { return m_constEndDate; }
    const ZnModelInspDate& GetSpecStageDate() const { return m_specStageDate; }
    const CString& GetNote() const { return m_note; }
    const CString& GetChangeSummary() const { return m_changeSummary; }
    const JkModelName& GetName() const { return m_name; }

    // The application root, the embedded records (the name last among them, although it is
    // declared last of all), the two texts, then the lists of further designers, constructors
    // and structures.
    void Serialize(CArchive& ar) override;

    JkModelAddress m_lotAddress;     // 地名地番
    JkModelAddress m_displayAddress; // 住居表示
    ZnModelStruct m_structure;       // 工作物1の概要
    ZnModelStructList m_structList;
    ZnModelDate m_constStartDate;    // 工事着手予定日
    ZnModelDate m_constEndDate;      // 工事完了予定日
    ZnModelInspDate m_specStageDate; // 特定工程工事終了予定日
    CString m_note;                  // 備考内容
    CString m_changeSummary;         // 変更概要
    JkModelName m_name;              // 工作物の名称, 工作物フリガナ
};
