// The texts that the writers make of model values: the parts of the application date, the era
// date of a number record, and texts without line breaks or written zeros.
#pragma once

#include "platform/core/CString.h"

class ZnModelApp;
class ZnModelDate;

namespace ZnValueTexts {

// The year (part 0, "%04d"), month (1, "%02d") or day (2, "%02d") of the application date, the
// date of the first number of the first building number group; "" when there is no such group,
// its month is 0, the year or day asked for is 0, or part is another number.
CString GetShinseiDatePart(const ZnModelApp* app, int part);
// The text without its line breaks: every line feed is dropped, and a carriage return just
// before it.
CString RemoveLineBreaks(const CString& text);
// "" for a written zero ("0", "0.0" ... "0.000000"), else the text unchanged.
CString BlankZeroText(const CString& text);
// The date as "%02d%02d%02d" of its era year, month and day (昭和 for era code "01", else 平成);
// "" for an empty date.
CString FormatEraDate6(const ZnModelDate& date);

} // namespace ZnValueTexts
