// The common base of the lift applications (昇降機, and 工作物の昇降機): designers,
// constructors, the building or structure in which the lifts are installed (所在地, 名称, 用途),
// its confirmation record, the lifts, the planned dates, the specified stage and two texts.
#pragma once

#include "model/ZnModelAppPersons.h"
#include "model/ZnModelInspDate.h"
#include "model/ZnModelLift.h"

class ZnModelAppLift : public ZnModelAppPersons {
    DECLARE_ZN_MODEL(ZnModelAppLift)
public:
    // Replaces the further lifts by copies of the given list's lifts.
    void SetLiftList(const ZnModelLiftList& lifts) { m_liftList = lifts; }
    // Sets the confirmation record of the building or structure (confNum).
    void SetPrevConfNum(const ZnModelNum& number) { m_confNum = number; }

    const JkModelAddress& GetAddress() const { return m_address; }
    const JkModelName& GetName() const { return m_name; }
    const CString& GetUsageText() const { return m_usageText; }
    const ZnModelLift& GetLift() const { return m_lift; }
    const ZnModelLiftList& GetLiftList() const { return m_liftList; }
    const ZnModelDate& GetConstStartDate() const { return m_constStartDate; }
    const ZnModelDate& GetConstEndDate() const { return m_constEndDate; }
    const ZnModelInspDate& GetSpecStageDate() const { return m_specStageDate; }
    const CString& GetNote() const { return m_note; }
    const CString& GetChangeSummary() const { return m_changeSummary; }

    // The application root, the embedded records, the three texts, then the lists of further
    // designers, constructors and lifts.
    void Serialize(CArchive& ar) override;

    JkModelAddress m_address; // 設置する建築物又は工作物: 所在地
    JkModelName m_name;       // 名称, 名称のフリガナ
    CString m_usageText;      // 用途内容
    ZnModelNum m_confNum;
    ZnModelLift m_lift; // 昇降機の概要
    ZnModelLiftList m_liftList;
    ZnModelDate m_constStartDate;    // 工事着手予定日
    ZnModelDate m_constEndDate;      // 工事完了予定日
    ZnModelInspDate m_specStageDate; // 特定工程工事終了予定日
    CString m_note;                  // 備考内容
    CString m_changeSummary;         // 変更概要
};
