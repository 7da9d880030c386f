// An interim inspection already passed: its ordinal (実施回数), the specified stage it covered
// (特定工程名称) and its certificate (中間検査合格証番号, 交付日, 中間検査合格証交付者).
#pragma once

#include "model/ZnModelNum.h"

class ZnModelPastInspDate : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelPastInspDate)
public:
    const ZnModelNum& GetNum() const { return m_certificate; }

    // The certificate first in the archive, then the count and the stage name.
    void Serialize(CArchive& ar) override;

    int m_count = 0;
    CString m_stageName;
    ZnModelNum m_certificate;
};

// Interim inspections passed; the holder owns the elements.
typedef ZnModelList<ZnModelPastInspDate> ZnModelPastInspDateList;
