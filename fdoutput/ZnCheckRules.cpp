#include "fdoutput/ZnCheckRules.h"

#include "writers/ZnAppDocFDOut00.h"

void ZnCheckRules::AddIf(std::vector<CString>& messages, bool finding, const CString& message)
{
    if (finding)
        messages.push_back(message);
}

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
