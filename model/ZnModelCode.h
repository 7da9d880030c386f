// Base of the code kinds: a value chosen from a code table, kept as its code text. Each kind is
// a class of its own so that the archive records which kind of code a field holds; the model
// never checks a code against a table.
#pragma once

#include "model/ZnModel.h"

class ZnModelCode : public ZnModel {
    DECLARE_SERIAL(ZnModelCode)
public:
    // The references of ZnModelCode and ZnModel only; each kind adds its code after them.
    void Serialize(CArchive& ar) override;
    // A plain ZnModelCode stores no code, so its copy is a default one.
    ZnModel* Clone() const override;

    void SetCode(LPCTSTR code) { m_code = code; }
    const CString& GetCode() const { return m_code; }

    CString m_code; // such as "00701" or "101"; the era code in a ZnModelYearCode

protected:
    // The stored form of a kind: its own class reference, ZnModelCode's and ZnModel's, the code.
    void SerializeKind(CArchive& ar, CRuntimeClass* kind);
};
