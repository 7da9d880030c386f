#include "writers/ZnValueTexts.h"

#include "model/ZnModelApp.h"

CString ZnValueTexts::GetShinseiDatePart(const ZnModelApp* app, int part)
{
    if (!app)
        return CString();
    const ZnModelNumGroupList& groups = app->GetHeader().GetLocalData().GetNumGroupList();
    const ZnModelNumGroup* group = groups.IsEmpty() ? nullptr : groups.GetHead();
    if (!group)
        return CString();
    const ZnModelDate& date = group->GetFirstNum().GetDate();
    if (date.GetMonth() == 0)
        return CString();
    CString text;
    int year = date.GetYearCode().m_year;
    if (part == 0 && year != 0)
        text.Format("%04d", year);
    else if (part == 1)
        text.Format("%02d", date.GetMonth());
    else if (part == 2 && date.GetDay() != 0)
        text.Format("%02d", date.GetDay());
    return text;
}

CString ZnValueTexts::RemoveLineBreaks(const CString& text)
{
    CString result;
    CString rest = text;
    for (int lineFeed = rest.Find('\n'); lineFeed >= 0; lineFeed = rest.Find('\n')) {
        // Only a carriage return goes with its line feed: any other byte before a lone line feed
        // may be the second half of a double-byte character and stays.
        bool carriageReturn = lineFeed > 0 && rest[lineFeed - 1] == '\r';
        result += rest.Left(carriageReturn ? lineFeed - 1 : lineFeed);
        rest = rest.Mid(lineFeed + 1);
    }
    return result + rest;
}

CString ZnValueTexts::BlankZeroText(const CString& text)
{
    static const LPCTSTR zeros[] = {"0", "0.0", "0.00", "0.000", "0.0000", "0.00000", "0.000000"};
    for (LPCTSTR zero : zeros) {
        if (text == zero)
            return CString();
    }
    return text;
}

CString ZnValueTexts::FormatEraDate6(const ZnModelDate& date)
{
    if (date.IsEmpty())
        return CString();
    const ZnModelYearCode& yearCode = date.GetYearCode();
    int eraYear = yearCode.m_year - (yearCode.GetCode() == "01" ? 1925 : 1988);
    CString text;
    text.Format("%02d%02d%02d", eraYear, date.GetMonth(), date.GetDay());
    return text;
}
