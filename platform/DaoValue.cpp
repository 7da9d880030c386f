#include "platform/DaoValue.h"

#include "platform/COleDateTime.h"

#include <cstdio>

DaoValue DaoValue::FromDate(const COleDateTime& date)
{
    if (date.GetStatus() != COleDateTime::valid)
        return DaoValue();
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(), date.GetMonth(), date.GetDay(),
                  date.GetHour(), date.GetMinute(), date.GetSecond());
    return FromText(text);
}
