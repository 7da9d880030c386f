// The notification of the plan of safety measures during construction (安全上の措置等に関する
// 計画届): the outline of the building, the planned construction period, the period of use, and
// the numbers and dates of the confirmation and of the approval of temporary use.
#pragma once

#include "model/ZnModelApp.h"
#include "model/ZnModelMainStrKindCode.h"

class ZnModelAppSafeNotif : public ZnModelApp {
    DECLARE_ZN_MODEL(ZnModelAppSafeNotif)
public:
    // The embedded parts first, then the texts, numbers and areas, and the remarks last.
    void Serialize(CArchive& ar) override;

    // 建築物の概要: the location, the name and the outline values of the building.
    JkModelAddress m_buildingAddress;
    JkModelName m_buildingName;
    CString m_text1;
    CString m_text2;
    ZnModelMainStrKindCode m_mainStructure;
    CString m_text3;
    int m_number1 = 0;
    int m_number2 = 0;
    double m_area1 = 0.0;
    double m_area2 = 0.0;
    double m_area3 = 0.0;
    ZnModelDate m_plannedStart;   // 工事着手予定年月日
    ZnModelDate m_plannedEnd;     // 工事完了予定年月日
    ZnModelDate m_useFrom;        // 使用期間（開始）
    ZnModelDate m_useTo;          // 使用期間（終了）
    ZnModelNum m_confirmation;    // 建築確認: number and date of the confirmation certificate
    ZnModelNum m_tempUseApproval; // 仮使用承認: number and date of the approval
    CString m_remarks;            // 備考
};
