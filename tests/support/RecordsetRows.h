// Rows of a recordset as text: each row's members as one line joined by "|", numbers in decimal,
// texts as UTF-8, dates as "YYYY-MM-DD HH:MM:SS" (or "null").
#pragma once

#include "platform/core/Cp932.h"
#include "platform/database/AfxDao.h"

#include <string>
#include <vector>

inline std::string Field(int value) { return std::to_string(value); }
inline std::string Field(const CString& value) { return cp932::ToUtf8(value.Bytes()); }
inline std::string Field(const COleDateTime& value)
{
    if (value.GetStatus() == COleDateTime::null)
        return "null";
    CString text;
    text.Format("%04d-%02d-%02d %02d:%02d:%02d", value.GetYear(), value.GetMonth(), value.GetDay(), value.GetHour(),
                value.GetMinute(), value.GetSecond());
    return text.Bytes();
}

template <typename... Members> std::string Line(const Members&... members)
{
    std::string line;
    ((line += Field(members) + "|"), ...);
    line.pop_back();
    return line;
}

// Opens the recordset on sql (null: its default SQL), describes every row and closes it.
template <typename Set, typename Describe>
std::vector<std::string> ReadRows(Set& set, Describe describe, LPCTSTR sql = nullptr)
{
    std::vector<std::string> rows;
    set.Open(dbOpenDynaset, sql, 0);
    for (; !set.IsEOF(); set.MoveNext())
        rows.push_back(describe(set));
    set.Close();
    return rows;
}
