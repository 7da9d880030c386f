// What the input-check tests share: a date from its era-coded text and the expected findings.
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

typedef std::vector<CString> Findings;

} // namespace checktest
