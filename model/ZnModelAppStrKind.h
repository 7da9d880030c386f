// A structure entry: the structure class (構造区分) and its detail text (構造詳細).
#pragma once

#include "model/ZnModelList.h"
#include "model/ZnModelMainStrKindCode.h"

class ZnModelAppStrKind : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppStrKind)
public:
    void SetStrKindCode(const ZnModelMainStrKindCode& code) { m_strKindCode = code; }
    void SetText(LPCTSTR text) { m_text = text; }
    const ZnModelMainStrKindCode& GetStrKindCode() const { return m_strKindCode; }
    const CString& GetText() const { return m_text; }

    void Serialize(CArchive& ar) override;

    ZnModelMainStrKindCode m_strKindCode;
    CString m_text;
};

// Structure entries; the holder owns the elements.
typedef ZnModelList<ZnModelAppStrKind> ZnModelAppStrKindList;
