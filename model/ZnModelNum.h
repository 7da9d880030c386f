// An issued number with its date, such as a confirmation number (確認済証番号) with its issue
// date (確認済証交付年月日). In the record of the confirmation before a plan change the further
// text is the issuer (確認済証交付者).
#pragma once

#include "model/ZnModelDate.h"
#include "model/ZnModelList.h"

class ZnModelNum : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelNum)
public:
    const CString& GetNumber() const { return m_number; }
    const ZnModelDate& GetDate() const { return m_date; }
    const CString& GetFurtherText() const { return m_furtherText; }
    void SetNumber(LPCTSTR number) { m_number = number; }
    void SetDate(const ZnModelDate& date) { m_date = date; }
    void SetFurtherText(LPCTSTR text) { m_furtherText = text; }

    // The date comes first in the archive, then the number and the further text.
    void Serialize(CArchive& ar) override;

    CString m_number;
    ZnModelDate m_date;
    CString m_furtherText;
};

// Issued numbers; the holder owns the elements.
typedef ZnModelList<ZnModelNum> ZnModelNumList;
