// A construction-kind entry: a construction-kind code and a text. No document holds one; an
// archive that names the class can create it.
#pragma once

#include "model/ZnModelConstKindCode.h"

class ZnModelStructConstKind : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelStructConstKind)
public:
    void SetConstKindCode(const ZnModelConstKindCode& code) { m_constKindCode = code; }
    void SetText(LPCTSTR text) { m_text = text; }
    const ZnModelConstKindCode& GetConstKindCode() const { return m_constKindCode; }
    const CString& GetText() const { return m_text; }

    void Serialize(CArchive& ar) override;

    ZnModelConstKindCode m_constKindCode;
    CString m_text;
};
