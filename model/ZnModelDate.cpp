#include "model/ZnModelDate.h"

#include <cstdlib>
#include <cstring>
#include <iterator>

IMPLEMENT_SERIAL(ZnModelDate, ZnModel, VERSIONABLE_SCHEMA | 256)

namespace {

// The eras and the days they begin. Stored documents rely on this table as it stands: 平成
// has no end, so every later date is 平成. 明治 also takes every date before it.
struct Era {
    int number;
    int firstYear;
    int firstMonth;
    int firstDay;
    const char* code;
};
const Era eras[] = {
    {1, 1868, 1, 1, ""},
    {2, 1912, 7, 30, ""},
    {3, 1926, 12, 25, "01"},
    {4, 1989, 1, 8, "02"},
};

const Era* FindEra(int number)
{
    for (const Era& era : eras)
        if (era.number == number)
            return &era;
    return nullptr;
}

bool IsOnOrAfter(int year, int month, int day, const Era& era)
{
    if (year != era.firstYear)
        return year > era.firstYear;
    if (month != era.firstMonth)
        return month > era.firstMonth;
    return day >= era.firstDay;
}

// Two characters read as a decimal integer the way atoi reads them.
int TwoDigitField(const char* text)
{
    char field[3] = {text[0], text[1], '\0'};
    return std::atoi(field);
}

const int dateTextLength = 8;

} // namespace

BOOL ZnModelDate::IsEmpty() const { return m_yearCode.m_year == 0 && m_month == 0 && m_day == 0; }

BOOL ZnModelDate::IsValid() const
{
    // Summed wide: a damaged file may hold any values.
    if (static_cast<long long>(m_month) + m_day > 0 && m_yearCode.m_year == 0)
        return FALSE;
    if (IsEmpty())
        return TRUE;
    return GetOleDate().GetStatus() == COleDateTime::valid;
}

COleDateTime ZnModelDate::GetOleDate() const
{
    if (IsEmpty())
        return COleDateTime(0.0);
    return COleDateTime(m_yearCode.m_year, m_month, m_day, 0, 0, 0);
}

int ZnModelDate::GetEra() const
{
    if (IsEmpty())
        return -1;
    for (int i = static_cast<int>(std::size(eras)) - 1; i > 0; --i)
        if (IsOnOrAfter(m_yearCode.m_year, m_month, m_day, eras[i]))
            return eras[i].number;
    return eras[0].number;
}

CString ZnModelDate::GetEraCode(int era)
{
    const Era* found = FindEra(era);
    return found ? found->code : "";
}

int ZnModelDate::EraFromCode(LPCTSTR text)
{
    if (!text || std::strlen(text) < 2)
        return -1;
    for (const Era& era : eras)
        if (*era.code && std::strncmp(text, era.code, 2) == 0)
            return era.number;
    return -1;
}

int ZnModelDate::GetEraFirstYear(int era)
{
    const Era* found = FindEra(era);
    return found ? found->firstYear : 0;
}

CString ZnModelDate::GetDateString() const
{
    int era = GetEra();
    if (IsEmpty() || !IsValid())
        return "";
    CString text;
    text.Format("%2s%2.2d%2.2d%2.2d", static_cast<LPCTSTR>(GetEraCode(era)), m_yearCode.GetEraYear(era), m_month,
                m_day);
    return text;
}

void ZnModelDate::SetDateString(LPCTSTR text)
{
    if (!text)
        return;
    int era = std::strlen(text) < dateTextLength ? -1 : EraFromCode(text);
    if (era == -1) {
        SetEraDate(0, 0, 0, -1);
        return;
    }
    SetEraDate(TwoDigitField(text + 2), TwoDigitField(text + 4), TwoDigitField(text + 6), era);
}

void ZnModelDate::SetEraDate(int eraYear, int month, int day, int era)
{
    int firstYear = GetEraFirstYear(era);
    // Wraps to 32 bits for any era year instead of overflowing.
    int westernYear = firstYear ? static_cast<int>(static_cast<long long>(eraYear) + firstYear - 1) : eraYear;
    m_yearCode.m_code = GetEraCode(era);
    m_yearCode.SetEraYear(westernYear, 0);
    m_month = month;
    m_day = day;
}

void ZnModelDate::Serialize(CArchive& ar)
{
    SerializeClassRef(ar, RUNTIME_CLASS(ZnModelDate));
    ZnModel::Serialize(ar);
    SerializeFields(ar, m_yearCode, m_month, m_day);
}
