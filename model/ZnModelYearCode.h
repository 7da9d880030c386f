// A western year with an era code. The era code ("01" 昭和, "02" 平成, or "") is the code
// text of the base; it is stored and copied, while the era of a date always follows from the
// date itself (ZnModelDate::GetEra).
#pragma once

#include "model/ZnModelCode.h"

class ZnModelYearCode : public ZnModelCode {
    DECLARE_ZN_MODEL(ZnModelYearCode)
public:
    ZnModelYearCode() { m_code = "02"; }

    // Stores the western year of an era year and returns the value stored: an era year of 0
    // stores 0; eras 3 and 4 add their offset; eras 0 to 2 store the number unchanged; an era
    // number outside 0 to 4 stores nothing and returns eraYear.
    int SetEraYear(int eraYear, int era);
    // The stored year in that era: unchanged when it is 0, for eras 0 to 2 and for an era
    // number outside 0 to 4; eras 3 and 4 subtract their offset. GetEraYear(0) is the western year.
    int GetEraYear(int era) const;

    void Serialize(CArchive& ar) override;

    int m_year = 0; // the western year; 0 means no year
};
