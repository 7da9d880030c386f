#include "platform/database/DaoValue.h"

#include "platform/core/COleDateTime.h"

namespace {

// Writes value as `digits` decimal digits, with leading zeros, at text.
char* WriteDigits(char* text, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        text[i] = static_cast<char>('0' + value % 10);
    return text + digits;
}

} // namespace

DaoValue DaoValue::FromDate(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid)
        return DaoValue();
    // "YYYY-MM-DD HH:MM:SS", written by hand: imports store a date in every row.
    char text[19];
    char* end = WriteDigits(text, date.GetYear(), 4);
    *end++ = '-';
    end = WriteDigits(end, date.GetMonth(), 2);
    *end++ = '-';
    end = WriteDigits(end, date.GetDay(), 2);
    *end++ = ' ';
    end = WriteDigits(end, date.GetHour(), 2);
    *end++ = ':';
    end = WriteDigits(end, date.GetMinute(), 2);
    *end++ = ':';
    end = WriteDigits(end, date.GetSecond(), 2);
    return FromText(std::string(text, end));
}
