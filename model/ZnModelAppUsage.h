// A usage of a building (用途): its code (用途コード) and text (用途内容).
#pragma once

#include "model/ZnModelList.h"
#include "model/ZnModelUsageCode.h"

class ZnModelAppUsage : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelAppUsage)
public:
    void SetUsageCode(const ZnModelUsageCode& code) { m_usageCode = code; }
    void SetText(LPCTSTR text) { m_text = text; }
    const ZnModelUsageCode& GetUsageCode() const { return m_usageCode; }
    const CString& GetText() const { return m_text; }

    void Serialize(CArchive& ar) override;

    ZnModelUsageCode m_usageCode;
    CString m_text;
};

// Usages of a building; the holder owns the elements.
typedef ZnModelList<ZnModelAppUsage> ZnModelAppUsageList;
