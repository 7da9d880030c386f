#include "platform/database/CDaoFieldExchange.h"

#include "platform/core/Cp932.h"
#include "platform/database/CDaoException.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
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

// "YYYY-MM-DD", optionally followed by " HH:MM:SS" (or "T" for the blank), and nothing else.
bool ParseDateText(const std::string& text, int& year, int& month, int& day, int& hour, int& minute, int& second)
{
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

CString TextOf(const DaoValue& cell, LPCTSTR name)
{
    char number[32];
    switch (cell.kind) {
    case DaoValue::Null:
        return CString();
    case DaoValue::Text:
        return CString(cp932::FromUtf8(cell.bytes));
    case DaoValue::Integer:
        std::snprintf(number, sizeof number, "%lld", static_cast<long long>(cell.integer));
        return CString(number);
    case DaoValue::Real:
        std::snprintf(number, sizeof number, "%.15g", cell.real);
        return CString(number);
    default:
        ThrowDaoError(daoErrTypeConversion, BareName(name));
    }
}

} // namespace

void CDaoFieldExchange::Exchange(LPCTSTR name, const std::function<void(const DaoValue&)>& load,
                                 const std::function<DaoValue()>& store, const std::function<void()>& reset)
{
    if (m_nFieldType != outputColumn)
        return;
    switch (m_operation) {
    case bindNames:
        m_names.push_back(cp932::ToUtf8(BareName(name).Bytes()));
        break;
    case loadFields:
        if (!m_row || !m_columns || m_field >= m_columns->size())
            ThrowDaoError(daoErrItemNotFound, BareName(name));
        load((*m_row)[(*m_columns)[m_field]]);
        break;
    case storeFields:
        m_values.push_back(store());
        break;
    case resetFields:
        reset();
        break;
    }
    ++m_field;
}

namespace {

template <typename Integer>
void ExchangeInteger(CDaoFieldExchange* pFX, LPCTSTR name, Integer& value)
{
    pFX->Exchange(
        name,
        [&](const DaoValue& cell) {
            value = static_cast<Integer>(
                IntegerOf(cell, std::numeric_limits<Integer>::min(), std::numeric_limits<Integer>::max(), name));
        },
        [&] { return DaoValue::FromInteger(value); }, [&] { value = 0; });
}

} // namespace

void DFX_Long(CDaoFieldExchange* pFX, LPCTSTR name, LONG& value, DWORD) { ExchangeInteger(pFX, name, value); }

void DFX_Short(CDaoFieldExchange* pFX, LPCTSTR name, short& value, DWORD) { ExchangeInteger(pFX, name, value); }

void DFX_Bool(CDaoFieldExchange* pFX, LPCTSTR name, BOOL& value, DWORD)
{
    pFX->Exchange(
        name, [&](const DaoValue& cell) { value = NumberOf(cell, name) != 0 ? TRUE : FALSE; },
        [&] { return DaoValue::FromInteger(value ? -1 : 0); }, [&] { value = FALSE; });
}

void DFX_DateTime(CDaoFieldExchange* pFX, LPCTSTR name, COleDateTime& value, DWORD)
{
    pFX->Exchange(
        name, [&](const DaoValue& cell) { value = DateOf(cell, name); }, [&] { return DaoValue::FromDate(value); },
        [&] {
            value = COleDateTime();
            value.SetStatus(COleDateTime::null);
        });
}

void DFX_Text(CDaoFieldExchange* pFX, LPCTSTR name, CString& value, int, DWORD)
{
    pFX->Exchange(
        name, [&](const DaoValue& cell) { value = TextOf(cell, name); },
        [&] { return DaoValue::FromText(cp932::ToUtf8(value.Bytes())); }, [&] { value.Empty(); });
}
