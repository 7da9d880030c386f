// A date of the forms: a western year (inside a year code that also carries an era code), a
// month and a day, 0 meaning not set. The era and the era year are computed from the date.
// Era numbers: 0 none (western year), 1 明治, 2 大正, 3 昭和, 4 平成; -1 no era (an empty date).
#pragma once

#include "model/ZnModelYearCode.h"
#include "platform/core/COleDateTime.h"

class ZnModelDate : public ZnModel {
    DECLARE_ZN_MODEL(ZnModelDate)
public:
    // True when year, month and day are all 0; the era code does not count.
    BOOL IsEmpty() const;
    // True for an empty date and for a real calendar date (years 100 to 9999); false for a
    // month or day without a year.
    BOOL IsValid() const;
    // The date at 00:00 as an OLE date with its status; 0 and valid for an empty date.
    COleDateTime GetOleDate() const;
    // The era of the stored date, 1 to 4, or -1 for an empty date.
    int GetEra() const;

    // "01" for era 3, "02" for era 4, "" for any other number.
    static CString GetEraCode(int era);
    // The era of an era code text: "01" gives 3, "02" gives 4; anything else, or a text
    // shorter than two characters, -1.
    static int EraFromCode(LPCTSTR text);
    // The western year in which an era begins, 0 for a number that is no era.
    static int GetEraFirstYear(int era);

    // The era-coded text "%2s%2.2d%2.2d%2.2d" of era code, era year, month and day, such as
    // "02020401" for 1 April 1990; "" for an empty or invalid date.
    CString GetDateString() const;
    // Sets the date from its era-coded text: null changes nothing; a text shorter than 8
    // characters or with an era code other than "01" and "02" clears the date; otherwise
    // characters 3-4, 5-6 and 7-8 are the era year, month and day. Later characters are ignored.
    void SetDateString(LPCTSTR text);
    // Sets the date from era values; month and day are stored unchecked. Era -1 with zeros
    // clears the date (era code "").
    void SetEraDate(int eraYear, int month, int day, int era);

    void SetYearCode(const ZnModelYearCode& yearCode) { m_yearCode = yearCode; }
    void SetMonth(int month) { m_month = month; }
    void SetDay(int day) { m_day = day; }
    const ZnModelYearCode& GetYearCode() const { return m_yearCode; }
    int GetMonth() const { return m_month; }
    int GetDay() const { return m_day; }

    void Serialize(CArchive& ar) override;

    ZnModelYearCode m_yearCode;
    int m_month = 0; // 1-12
    int m_day = 0;   // 1-31
};
