// A lift an application describes (昇降機の概要): kind (種別), usage (用途), rated load
// (積載荷重), maximum persons (最大定員), rated speed (定格速度) and other matters.
#pragma once

#include "model/ZnModelLiftKindCode.h"
#include "model/ZnModelLiftUsageCode.h"
#include "model/ZnModelList.h"

class ZnModelLift : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelLift)
public:
    void SetLeadingValue(int value) { m_leadingValue = value; }
    void SetKindCode(const ZnModelLiftKindCode& code) { m_kindCode = code; }
    void SetKindText(LPCTSTR text) { m_kindText = text; }
    void SetUsageCode(const ZnModelLiftUsageCode& code) { m_usageCode = code; }
    void SetUsageText(LPCTSTR text) { m_usageText = text; }
    void SetLoadCapacity(double load) { m_loadCapacity = load; }
    void SetMaxPersons(int persons) { m_maxPersons = persons; }
    void SetRatedSpeed(double speed) { m_ratedSpeed = speed; }
    void SetOtherMatters(LPCTSTR text) { m_otherMatters = text; }
    int GetLeadingValue() const { return m_leadingValue; }
    const ZnModelLiftKindCode& GetKindCode() const { return m_kindCode; }
    const CString& GetKindText() const { return m_kindText; }
    const ZnModelLiftUsageCode& GetUsageCode() const { return m_usageCode; }
    const CString& GetUsageText() const { return m_usageText; }
    double GetLoadCapacity() const { return m_loadCapacity; }
    int GetMaxPersons() const { return m_maxPersons; }
    double GetRatedSpeed() const { return m_ratedSpeed; }
    const CString& GetOtherMatters() const { return m_otherMatters; }

    // The two codes first in the archive, then the leading value and the rest in field order.
    void Serialize(CArchive& ar) override;

    int m_leadingValue = 0; // kept with the item, not printed
    ZnModelLiftKindCode m_kindCode;
    CString m_kindText;
    ZnModelLiftUsageCode m_usageCode;
    CString m_usageText;
    double m_loadCapacity = 0.0;
    int m_maxPersons = 0;
    double m_ratedSpeed = 0.0;
    CString m_otherMatters; // その他必要な事項
};

// Lifts; the holder owns the elements.
typedef ZnModelList<ZnModelLift> ZnModelLiftList;
