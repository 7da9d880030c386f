// The confirmation exception of a building (確認の特例): whether it applies, the building
// class (建築物の区分) and the number of the certified type (当該認定型式の認定番号).
#pragma once

#include "model/ZnModelBuildTypeCode.h"

class ZnModelAppExcept : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppExcept)
public:
    // "03600" marks the exception as not applied, "03601" as applied; a null or any other
    // code changes nothing.
    void SetApplyByCode(LPCTSTR code);

    void SetNoException(int noException) { m_noException = noException; }
    void SetBuildingClassCode(const ZnModelBuildTypeCode& code) { m_buildingClassCode = code; }
    void SetText(LPCTSTR text) { m_text = text; }
    int GetNoException() const { return m_noException; }
    const ZnModelBuildTypeCode& GetBuildingClassCode() const { return m_buildingClassCode; }
    const CString& GetText() const { return m_text; }

    // The building class code first in the archive, then the flag and the text.
    void Serialize(CArchive& ar) override;

    int m_noException = 1; // non-zero: not applied (無); 0: applied (有)
    ZnModelBuildTypeCode m_buildingClassCode;
    CString m_text;
};
