// The rules that the input checks of the floppy-output pages share: when a number counts as zero, when a date lacks a
// part, and the wording of a numbered entry.
#pragma once

#include "model/ZnModelDate.h"
#include "platform/core/CString.h"

class ZnCheckRules {
public:
    // True when value is 0 by the writers' comparison (closer than 0.001).
    static bool IsZero(double value);
    // True when the date's era year, month or day is 0 (未入力), so also for an empty date.
    static bool LacksDatePart(const ZnModelDate& date);
    // head, the number as "%d", then tail: the wording of the n-th entry or of building n.
    static CString Numbered(LPCTSTR head, int number, LPCTSTR tail);
};
