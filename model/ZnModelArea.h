// An area split into the applied part (申請部分) and the other part (申請以外の部分).
#pragma once

#include "model/ZnModel.h"

class ZnModelArea : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelArea)
public:
    void SetAppPart(double area) { m_appPart = area; }
    void SetOtherPart(double area) { m_otherPart = area; }
    double GetAppPart() const { return m_appPart; }
    double GetOtherPart() const { return m_otherPart; }
    // The total (合計): other part + applied part.
    double GetTotal() const { return m_otherPart + m_appPart; }

    void Serialize(CArchive& ar) override;

    double m_appPart = 0.0;
    double m_otherPart = 0.0;
};
