// One specified construction stage (特定工程): its count (実施回数), date (実施日) and name
// (特定工程名称).
#pragma once

#include "model/ZnModelDate.h"
#include "model/ZnModelList.h"

class ZnModelInspDate : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelInspDate)
public:
    void SetCount(int count) { m_count = count; }
    void SetDate(const ZnModelDate& date) { m_date = date; }
    void SetName(LPCTSTR name) { m_name = name; }
    int GetCount() const { return m_count; }
    const ZnModelDate& GetDate() const { return m_date; }
    const CString& GetName() const { return m_name; }

    // The date first in the archive, then the count and the name.
    void Serialize(CArchive& ar) override;

    int m_count = 0;
    ZnModelDate m_date;
    CString m_name;
};

// Specified stages; the holder owns the elements.
typedef ZnModelList<ZnModelInspDate> ZnModelInspDateList;
