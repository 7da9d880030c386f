#include "platform/database/CDaoFieldExchange.h"

#include "platform/core/Cp932.h"
#include "platform/database/CDaoException.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The column name without its brackets.
CString BareName(LPCTSTR name)
{
    CString bare(name ? name : "");
    if (bare.GetLength() >= 2 && bare[0] == '[' && bare[bare.GetLength() - 1] == ']')
        bare = bare.Mid(1, bare.GetLength() - 2);
    return bare;
}

// The number a cell holds, for the numeric members; 3421 for text that is not a number.
double NumberOf(const DaoValue& cell, LPCTSTR name)
{
    switch (cell.kind) {
    case DaoValue::Null:
        return 0;
    case DaoValue::Integer:
        return static_cast<double>(cell.integer);
    case DaoValue::Real:
        return cell.real;
    case DaoValue::Text: {
        char* end = nullptr;
        double number = std::strtod(cell.bytes.c_str(), &end);
        if (!cell.bytes.empty() && *end == 0)
            return number;
        break;
    }
    default:
        break;
    }
    ThrowDaoError(daoErrTypeConversion, BareName(name));
}

// The cell as an integer within [low, high], rounded half to even as Jet converts; 3349 outside.
int64_t IntegerOf(const DaoValue& cell, int64_t low, int64_t high, LPCTSTR name)
{
    if (cell.kind == DaoValue::Integer) {
        if (cell.integer < low || cell.integer > high)
            ThrowDaoError(daoErrNumericOverflow, BareName(name));
        return cell.integer;
    }
    double number = std::nearbyint(NumberOf(cell, name));
    if (!(number >= static_cast<double>(low) && number <= static_cast<double>(high)))
        ThrowDaoError(daoErrNumericOverflow, BareName(name));
    return static_cast<int64_t>(number);
}

const double oleDateMin = -657434.0;  // 1 January 100
const double oleDateMax = 2958465.99999; // 31 December 9999, 23:59:59

// The number that count decimal digits at text write, or -1 when one of them is not a digit.
int DigitsAt(const char* text, int count)
{
    int number = 0;
    for (int i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        number = number * 10 + (text[i] - '0');
    }
    return number;
}

// A date in the form that the database layer stores ("YYYY-MM-DD HH:MM:SS", or the date alone),
// read digit by digit: reading rows reads one in every row.
bool ParseStoredDate(const std::string& text, int& year, int& month, int& day, int& hour, int& minute, int& second)
{
    const char* t = text.c_str();
    bool withTime = text.size() == 19 && (t[10] == ' ' || t[10] == 'T') && t[13] == ':' && t[16] == ':';
    if (!(withTime || text.size() == 10) || t[4] != '-' || t[7] != '-')
        return false;
    int parts[6] = {DigitsAt(t, 4), DigitsAt(t + 5, 2), DigitsAt(t + 8, 2), 0, 0, 0};
    if (withTime) {
        parts[3] = DigitsAt(t + 11, 2);
        parts[4] = DigitsAt(t + 14, 2);
        parts[5] = DigitsAt(t + 17, 2);
    }
    for (int part : parts)
        if (part < 0)
            return false;
    year = parts[0], month = parts[1], day = parts[2], hour = parts[3], minute = parts[4], second = parts[5];
    return true;
}

// "YYYY-MM-DD", optionally followed by " HH:MM:SS" (or "T" for the blank), and nothing else.
bool ParseDateText(const std::string& text, int& year, int& month, int& day, int& hour, int& minute, int& second)
{
    if (ParseStoredDate(text, year, month, day, hour, minute, second))
        return true;
    int used = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%n", &year, &month, &day, &used) != 3)
        return false;
    if (static_cast<size_t>(used) == text.size())
        return true;
    int timeUsed = 0;
    return (text[used] == ' ' || text[used] == 'T') &&
           std::sscanf(text.c_str() + used + 1, "%2d:%2d:%2d%n", &hour, &minute, &second, &timeUsed) == 3 &&
           static_cast<size_t>(used + 1 + timeUsed) == text.size();
}

COleDateTime DateOf(const DaoValue& cell, LPCTSTR name)
{
    COleDateTime date;
    if (cell.kind == DaoValue::Null) {
        date.SetStatus(COleDateTime::null);
        return date;
    }
    if (cell.kind == DaoValue::Text) {
        int year, month, day, hour = 0, minute = 0, second = 0;
        if (ParseDateText(cell.bytes, year, month, day, hour, minute, second) &&
            date.SetDateTime(year, month, day, hour, minute, second) == 0)
            return date;
        ThrowDaoError(daoErrTypeConversion, BareName(name));
    }
    double value = NumberOf(cell, name);
    if (!(value >= oleDateMin && value <= oleDateMax))
        ThrowDaoError(daoErrTypeConversion, BareName(name));
    return COleDateTime(value);
}

// Sets a text member to bytes, in the member's own storage: reading rows sets every text member
// of every row.
void SetBytes(CString& member, const char* bytes, size_t size)
{
    if (size)
        std::memcpy(member.GetBufferSetLength(static_cast<int>(size)), bytes, size);
    else
        member.Empty();
}

// Sets a text member to a cell, numbers written as "%lld" and "%.15g" write them.
void LoadText(const DaoValue& cell, CString& member, LPCTSTR name)
{
    char number[32];
    std::to_chars_result written{number, std::errc()};
    switch (cell.kind) {
    case DaoValue::Null:
        member.Empty();
        return;
    case DaoValue::Text: {
        static std::string converted; // its storage reused from cell to cell, on the one thread
        cp932::FromUtf8(cell.bytes, converted);
        SetBytes(member, converted.data(), converted.size());
        return;
    }
    case DaoValue::Integer:
        written = std::to_chars(number, number + sizeof number, static_cast<long long>(cell.integer));
        break;
    case DaoValue::Real:
        written = std::to_chars(number, number + sizeof number, cell.real, std::chars_format::general, 15);
        break;
    default:
        ThrowDaoError(daoErrTypeConversion, BareName(name));
    }
    SetBytes(member, number, static_cast<size_t>(written.ptr - number));
}

// The text that marks a text member as not assigned since AddNew: never a text of the system's,
// and empty where it is read as a C string.
const CString& TextMark()
{
    static const CString mark(std::string("\0not assigned", 13));
    return mark;
}

// A null date, the mark and the empty value of a date member: a date not assigned is stored as
// null, as one assigned null is.
COleDateTime NullDate()
{
    COleDateTime date;
    date.SetStatus(COleDateTime::null);
    return date;
}

// What every DFX_ function does with its member: load sets it from a cell, store gives it as a
// cell; mark is the value that AddNew leaves in it, empty the one that clearing a mark gives.
template <typename Member, typename Load, typename Store>
void ExchangeMember(CDaoFieldExchange* pFX, LPCTSTR name, Member& member, const Member& mark, const Member& empty,
                    Load load, Store store)
{
    if (pFX->m_nFieldType != CDaoFieldExchange::outputColumn)
        return;
    switch (pFX->m_operation) {
    case CDaoFieldExchange::bindNames:
        pFX->m_names.push_back(cp932::ToUtf8(BareName(name).Bytes()));
        break;
    case CDaoFieldExchange::loadFields:
        if (!pFX->m_row || !pFX->m_columns || pFX->m_field >= pFX->m_columns->size())
            ThrowDaoError(daoErrItemNotFound, BareName(name));
        load((*pFX->m_row)[(*pFX->m_columns)[pFX->m_field]]);
        break;
    case CDaoFieldExchange::storeFields:
        pFX->m_values.push_back(store());
        pFX->m_assigned.push_back(!(member == mark));
        break;
    case CDaoFieldExchange::markFields:
        member = mark;
        break;
    case CDaoFieldExchange::clearMarks:
        if (member == mark)
            member = empty;
        break;
    }
    ++pFX->m_field;
}

template <typename Integer>
void ExchangeInteger(CDaoFieldExchange* pFX, LPCTSTR name, Integer& value)
{
    ExchangeMember(
        pFX, name, value, std::numeric_limits<Integer>::min(), Integer(0),
        [&](const DaoValue& cell) {
            value = static_cast<Integer>(
                IntegerOf(cell, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), name));
        },
        [&] { return DaoValue::FromInteger(value); });
}

} // namespace

void DFX_Long(CDaoFieldExchange* pFX, LPCTSTR name, LONG& value, DWORD) { ExchangeInteger(pFX, name, value); }

void DFX_Short(CDaoFieldExchange* pFX, LPCTSTR name, short& value, DWORD) { ExchangeInteger(pFX, name, value); }

void DFX_Bool(CDaoFieldExchange* pFX, LPCTSTR name, BOOL& value, DWORD)
{
    ExchangeMember(
        pFX, name, value, std::numeric_limits<BOOL>::min(), BOOL(FALSE),
        [&](const DaoValue& cell) { value = NumberOf(cell, name) != 0 ? TRUE : FALSE; },
        [&] { return DaoValue::FromInteger(value ? -1 : 0); });
}

void DFX_DateTime(CDaoFieldExchange* pFX, LPCTSTR name, COleDateTime& value, DWORD)
{
    static const COleDateTime null = NullDate();
    ExchangeMember(
        pFX, name, value, null, null, [&](const DaoValue& cell) { value = DateOf(cell, name); },
        [&] { return DaoValue::FromDate(value); });
}

void DFX_Text(CDaoFieldExchange* pFX, LPCTSTR name, CString& value, int, DWORD)
{
    static const CString empty;
    ExchangeMember(
        pFX, name, value, TextMark(), empty, [&](const DaoValue& cell) { LoadText(cell, value, name); },
        [&] { return DaoValue::FromText(cp932::ToUtf8(value.Bytes())); });
}
