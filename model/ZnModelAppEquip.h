// The common base of the applications for building equipment other than lifts (昇降機以外の
// 建築設備): designers, constructors, the building or structure in which the equipment is
// installed (所在地, 名称, 用途) with its confirmation record, the outline of the equipment, the
// planned dates, the specified stage and two texts.
#pragma once

#include "model/ZnModelAppPersons.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelNum.h"

class ZnModelAppEquip : public ZnModelAppPersons {
    DECLARE_ZN_MODEL(ZnModelAppEquip)
public:
    const JkModelAddress& GetAddress() const { return m_address; }
    const JkModelName& GetName() const { return m_name; }
    const CString& GetUsageText() const { return m_usageText; }
    const CString& GetEquipOutline() const { return m_equipOutline; }
    const ZnModelDate& GetConstStartDate() const { return m_constStartDate; }
    const ZnModelDate& GetConstEndDate() const { return m_constEndDate; }
    const ZnModelInspDate& GetSpecStageDate() const { return m_specStageDate; }
    const CString& GetNote() const { return m_note; }
    const CString& GetChangeSummary() const { return m_changeSummary; }

    // The application root, the embedded records, the four texts, then the lists of further
    // designers and constructors.
    void Serialize(CArchive& ar) override;

    JkModelAddress m_address; // 設置する建築物又は工作物: 所在地
    JkModelName m_name;       // 名称, 名称のフリガナ
    CString m_usageText;      // 用途内容
    ZnModelNum m_confNum;
    CString m_equipOutline;          // 建築設備の概要
    ZnModelDate m_constStartDate;    // 工事着手予定日
    ZnModelDate m_constEndDate;      // 工事完了予定日
    ZnModelInspDate m_specStageDate; // 特定工程工事終了予定日
    CString m_note;                  // 備考内容
    CString m_changeSummary;         // 変更概要
};
