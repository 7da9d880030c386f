// What the input-check tests share: a date from its era-coded text or its parts, and the expected
// findings.
#pragma once

#include "model/ZnModelDate.h"
#include "platform/core/CString.h"

#include <vector>

namespace checktest {

// A date from its era-coded text, such as "02130230" for 平成 13 February 30.
inline ZnModelDate Date(const char* text)
{
    ZnModelDate date;
    date.SetDateString(text);
    return date;
}

// A date of that year, month and day, with the year code's default era.
inline ZnModelDate Date(int year, int month, int day)
{
    ZnModelDate date;
    date.m_yearCode.m_year = year;
    date.m_month = month;
    date.m_day = day;
    return date;
}

typedef std::vector<CString> Findings;

} // namespace checktest
