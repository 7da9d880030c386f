#include "platform/core/COleDateTime.h"

#include <cmath>
#include <ctime>

namespace {

// Days from 1970-01-01 to a proleptic Gregorian date (Howard Hinnant's civil algorithm).
long DaysFromCivil(long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& y, int& m, int& d)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = static_cast<int>(static_cast<long>(yoe) + era * 400 + (m <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

const long oleEpochFromUnix = -25569; // 1899-12-30 in days from 1970-01-01

} // namespace

COleDateTime COleDateTime::GetCurrentTime()
{
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                        local.tm_sec);
}

int COleDateTime::SetDateTime(int year, int month, int day, int hour, int minute, int second)
{
    if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        m_dt = 0;
        m_status = invalid;
        return 1;
    }
    long days = DaysFromCivil(year, month, day) - oleEpochFromUnix;
    double time = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before the epoch the OLE form keeps the time of day positive: -1.25 is 29 Dec 1899, 06:00.
    m_dt = days >= 0 ? days + time : days - time;
    m_status = valid;
    return 0;
}

bool COleDateTime::Split(Parts& parts) const
{
    if (m_status != valid)
        return false;
    double whole = std::trunc(m_dt);
    double fraction = std::fabs(m_dt - whole);
    long seconds = std::lround(fraction * 86400.0);
    long days = static_cast<long>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += m_dt >= 0 ? 1 : -1;
    }
    CivilFromDays(days + oleEpochFromUnix, parts.year, parts.month, parts.day);
    parts.hour = static_cast<int>(seconds / 3600);
    parts.minute = static_cast<int>(seconds / 60 % 60);
    parts.second = static_cast<int>(seconds % 60);
    long unixDays = days + oleEpochFromUnix;
    parts.dayOfWeek = static_cast<int>(((unixDays % 7) + 7 + 4) % 7) + 1; // 1970-01-01 was a Thursday
    return true;
}

#define OLE_DATE_PART(name, field)                                                                                     \
    int COleDateTime::name() const                                                                                     \
    {                                                                                                                  \
        Parts parts;                                                                                                   \
        return Split(parts) ? parts.field : -1;                                                                        \
    }
OLE_DATE_PART(GetYear, year)
OLE_DATE_PART(GetMonth, month)
OLE_DATE_PART(GetDay, day)
OLE_DATE_PART(GetHour, hour)
OLE_DATE_PART(GetMinute, minute)
OLE_DATE_PART(GetSecond, second)
OLE_DATE_PART(GetDayOfWeek, dayOfWeek)
