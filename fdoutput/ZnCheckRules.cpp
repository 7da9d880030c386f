#include "fdoutput/ZnCheckRules.h"

#include "writers/ZnAppDocFDOut00.h"

bool ZnCheckRules::IsZero(double value) { return ZnAppDocFDOut00::CompareNumber(value, "==", 0.0) != 0; }

bool ZnCheckRules::LacksDatePart(const ZnModelDate& date)
{
    return date.GetYearCode().GetEraYear(date.GetEra()) == 0 || date.GetMonth() == 0 || date.GetDay() == 0;
}

CString ZnCheckRules::Numbered(LPCTSTR head, int number, LPCTSTR tail)
{
    CString text;
    text.Format("%s%d%s", head, number, tail);
    return text;
}
