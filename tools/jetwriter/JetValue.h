// One value of a row: NULL, an integer (Yes/No, byte, short, long), a real number (double, date),
// text (CP932 bytes) or bytes.
#pragma once

#include "platform/core/COleDateTime.h"

#include <cstdint>
#include <string>

class JetValue {
public:
    enum class Kind { Null, Integer, Real, Text, Bytes };

    JetValue() = default; // NULL

    static JetValue Null() { return JetValue(); }
    static JetValue Integer(int64_t value);
    static JetValue Bool(bool value) { return Integer(value ? 1 : 0); }
    static JetValue Real(double value);
    // An OLE date: days since 30 December 1899, the time of day as the fraction. A date whose
    // status is null is NULL; an invalid one throws std::invalid_argument.
    static JetValue Date(const COleDateTime& value);
    static JetValue Text(std::string cp932);
    static JetValue Bytes(std::string bytes);

    Kind GetKind() const { return kind_; }
    bool IsNull() const { return kind_ == Kind::Null; }
    int64_t AsInteger() const { return integer_; }
    // A real, or an integer as a real.
    double AsReal() const { return kind_ == Kind::Integer ? static_cast<double>(integer_) : real_; }
    // The bytes of a text or bytes value.
    const std::string& AsBytes() const { return bytes_; }

private:
    Kind kind_ = Kind::Null;
    int64_t integer_ = 0;
    double real_ = 0;
    std::string bytes_;
};
