// One cell of a database row as the engine holds it: null, a 64-bit integer, a real number,
// UTF-8 text or bytes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class COleDateTime;

struct DaoValue {
    enum Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Null;
    int64_t integer = 0;
    double real = 0;
    std::string bytes; // the text (UTF-8) or the bytes

    static DaoValue FromInteger(int64_t value)
    {
        DaoValue result;
        result.kind = Integer;
        result.integer = value;
        return result;
    }
    static DaoValue FromReal(double value)
    {
        DaoValue result;
        result.kind = Real;
        result.real = value;
        return result;
    }
    static DaoValue FromText(const std::string& utf8)
    {
        DaoValue result;
        result.kind = Text;
        result.bytes = utf8;
        return result;
    }
    // A date as the database layer stores it: "YYYY-MM-DD HH:MM:SS" text; null unless the date is valid.
    static DaoValue FromDate(const COleDateTime& date);

    // The cells from first on, packed into one string of bytes, so that a row kept in memory takes
    // one block: per cell its kind, then an integer's or a real number's 8 bytes, or the length
    // (4 bytes) and the bytes of a text or blob. A cell keeps what its kind holds.
    static std::string Pack(const std::vector<DaoValue>& cells, size_t first = 0);
    // The cells of a packed row into cells, reusing their storage.
    static void Unpack(const std::string& packed, std::vector<DaoValue>& cells);

    bool operator==(const DaoValue& other) const
    {
        return kind == other.kind && integer == other.integer && real == other.real && bytes == other.bytes;
    }
    bool operator!=(const DaoValue& other) const { return !(*this == other); }
};
