// What every plan-change application adds to its family's document: the confirmation issued
// just before the plan change (確認済証番号, 確認済証交付日, 確認済証交付者) and the summary of
// the plan change (計画変更の概要). Family is the family's document class; the concrete
// plan-change class derives from ZnModelAppPlanChange<Family> and keeps Family as the base of
// its class record, so the archive knows no class between them. The previous confirmation is
// set through m_prevConfNum: the lift family's SetPrevConfNum sets its own confirmation record.
#pragma once

#include "model/ZnModelNum.h"

template <typename Family> class ZnModelAppPlanChange : public Family {
public:
    void SetPlanChangeSummary(LPCTSTR summary) { m_planChangeSummary = summary; }
    const ZnModelNum& GetPrevConfNum() const { return m_prevConfNum; }
    const CString& GetPlanChangeSummary() const { return m_planChangeSummary; }

    ZnModelNum m_prevConfNum;
    CString m_planChangeSummary;

protected:
    // The stored form of a plan-change class: its own class reference, the family's fields,
    // then the previous confirmation and the summary.
    void SerializePlanChange(CArchive& ar, CRuntimeClass* planChangeClass)
    {
        ZnModel::SerializeClassRef(ar, planChangeClass);
        Family::Serialize(ar);
        ZnModel::SerializeFields(ar, m_prevConfNum, m_planChangeSummary);
    }
};
