// A name as the forms write it: the name (氏名, or an office or building name) and its
// katakana reading (フリガナ), with two numbers kept beside them.
#pragma once

#include "model/ZnModel.h"

class JkModelName : public ZnModel {
    DECLARE_ZN_MODEL(JkModelName)
public:
    const CString& GetName() const { return m_name; }
    const CString& GetFurigana() const { return m_nameReading; }

    void Serialize(CArchive& ar) override;

    CString m_name;
    CString m_nameReading;
    int m_firstNameNumber = 0;
    int m_secondNameNumber = 0;
};
