#include "platform/database/DaoValue.h"

#include "platform/core/COleDateTime.h"

#include <cstring>

namespace {

// Writes value as `digits` decimal digits, with leading zeros, at text.
char* WriteDigits(char* text, int value, int digits)
{
    for (int i = digits - 1; i >= 0; --i, value /= 10)
        text[i] = static_cast<char>('0' + value % 10);
    return text + digits;
}

// The bytes of a number or a length in a packed row, as the machine orders them: a packed row
// never leaves the process.
template <typename Number> void PutNumber(std::string& packed, Number number)
{
    packed.append(reinterpret_cast<const char*>(&number), sizeof number);
}

template <typename Number> Number TakeNumber(const char*& at)
{
    Number number;
    std::memcpy(&number, at, sizeof number);
    at += sizeof number;
    return number;
}

bool HasBytes(const DaoValue& cell) { return cell.kind == DaoValue::Text || cell.kind == DaoValue::Blob; }

size_t PackedSize(const DaoValue& cell)
{
    if (HasBytes(cell))
        return 1 + sizeof(uint32_t) + cell.bytes.size();
    return cell.kind == DaoValue::Null ? 1 : 1 + 8;
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

std::string DaoValue::Pack(const std::vector<DaoValue>& cells, size_t first)
{
    size_t size = 0;
    for (size_t i = first; i < cells.size(); ++i)
        size += PackedSize(cells[i]);
    std::string packed;
    packed.reserve(size);
    for (size_t i = first; i < cells.size(); ++i) {
        const DaoValue& cell = cells[i];
        packed += static_cast<char>(cell.kind);
        if (cell.kind == Integer) {
            PutNumber(packed, cell.integer);
        } else if (cell.kind == Real) {
            PutNumber(packed, cell.real);
        } else if (HasBytes(cell)) {
            PutNumber(packed, static_cast<uint32_t>(cell.bytes.size()));
            packed += cell.bytes;
        }
    }
    return packed;
}

void DaoValue::Unpack(const std::string& packed, std::vector<DaoValue>& cells)
{
    size_t count = 0;
    for (const char *at = packed.data(), *end = at + packed.size(); at < end; ++count) {
        if (count == cells.size())
            cells.emplace_back();
        DaoValue& cell = cells[count];
        cell.kind = static_cast<Kind>(*at++);
        cell.integer = cell.kind == Integer ? TakeNumber<int64_t>(at) : 0;
        cell.real = cell.kind == Real ? TakeNumber<double>(at) : 0;
        if (HasBytes(cell)) {
            uint32_t length = TakeNumber<uint32_t>(at);
            cell.bytes.assign(at, length);
            at += length;
        } else {
            cell.bytes.clear();
        }
    }
    cells.resize(count);
}
