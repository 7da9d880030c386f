// A telephone number in three parts (area code first), with a number value kept beside it.
#pragma once

#include "model/ZnModel.h"

class JkModelTelNumber : public ZnModel {
    DECLARE_ZN_MODEL(JkModelTelNumber)
public:
    // The three parts joined by "-", or "" when all are empty; empty parts keep their hyphens.
    CString GetTelNumber() const;

    void Serialize(CArchive& ar) override;

    CString m_firstPart;
    CString m_secondPart;
    CString m_thirdPart;
    int m_telNumberValue = 0;
};
