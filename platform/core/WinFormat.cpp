#include "platform/core/WinFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

struct Spec {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string length;
    char conversion = 0;
};

std::string Print(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Print(const char* format, ...)
{
    // Most texts fit the buffer on the stack: one call of the C library then.
    char buffer[256];
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(buffer, sizeof buffer, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0 && static_cast<size_t>(n) < sizeof buffer) {
        out.assign(buffer, n);
    } else if (n > 0) {
        out.resize(n + 1);
        vsnprintf(&out[0], n + 1, format, args);
        out.resize(n);
    }
    va_end(args);
    return out;
}

// Adds one unit in the last place to a non-negative decimal text ("1.24" -> "1.25", "9.9" -> "10.0").
std::string IncrementLastDigit(std::string digits)
{
    int i = static_cast<int>(digits.size()) - 1;
    for (; i >= 0; --i) {
        if (digits[i] == '.')
            continue;
        if (digits[i] != '9') {
            ++digits[i];
            return digits;
        }
        digits[i] = '0';
    }
    return "1" + digits;
}

// |value| with `precision` decimals, ties rounded away from zero, from the C library's printing:
// for the magnitudes and precisions that FixedMagnitudeInIntegers leaves.
std::string PrintedFixedMagnitude(double magnitude, int precision)
{
    std::string plain = Print("%.*f", precision, magnitude);
    std::string longer = Print("%.*f", precision + 1, magnitude);
    if (longer.empty() || longer.back() != '5')
        return plain;
    // A tie needs the exact expansion to end in that 5; every double's expansion ends within 1074 decimals.
    std::string exact = Print("%.*f", 1100, magnitude);
    size_t point = exact.find('.');
    size_t tieDigit = point + 1 + precision;
    if (exact.find_first_not_of('0', tieDigit + 1) != std::string::npos)
        return plain;
    std::string truncated = exact.substr(0, precision == 0 ? point : tieDigit);
    return IncrementLastDigit(truncated);
}

// The decimal digits of a number below 2^128.
std::string DecimalDigits(unsigned __int128 number)
{
    const std::uint64_t tenToThe19 = 10000000000000000000ull;
    if (number < tenToThe19) {
        char buffer[24];
        char* end = std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint64_t>(number)).ptr;
        return std::string(buffer, end);
    }
    std::string low = DecimalDigits(number % tenToThe19);
    return DecimalDigits(number / tenToThe19) + std::string(19 - low.size(), '0') + low;
}

std::uint64_t PowerOfTen(int exponent)
{
    std::uint64_t power = 1;
    while (exponent-- > 0)
        power *= 10;
    return power;
}

// FixedMagnitudeInIntegers works in 128 bits: a significand below 2^53 times 10^19 stays below
// 2^117, and a significand shifted left by up to 11 bits below 2^64.
const int kMaxIntegerPrecision = 19;
const int kMaxIntegerShift = 11;

// |value| with `precision` decimals, ties rounded away from zero, worked out in integers from the
// double's significand and exponent, so exactly as PrintedFixedMagnitude but without printing the
// number two or three times. False, with digits untouched, for a magnitude of 2^64 or more or a
// precision above kMaxIntegerPrecision.
bool FixedMagnitudeInIntegers(double magnitude, int precision, std::string& digits)
{
    if (precision > kMaxIntegerPrecision)
        return false;
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    int biased = static_cast<int>(bits >> 52) & 0x7FF;
    std::uint64_t significand = bits & ((std::uint64_t(1) << 52) - 1);
    if (biased != 0)
        significand |= std::uint64_t(1) << 52;
    // magnitude = significand x 2^exponent
    int exponent = (biased == 0 ? 1 : biased) - 1075;
    if (exponent > kMaxIntegerShift)
        return false;
    // The magnitude in units of the last place: scaled = significand x 10^precision x 2^exponent,
    // rounded half up on the exact quotient.
    unsigned __int128 scaled = static_cast<unsigned __int128>(significand) * PowerOfTen(precision);
    if (exponent >= 0) {
        scaled <<= exponent;
    } else {
        int shift = -exponent;
        // scaled < 2^117: from a shift of 118 on, the quotient is 0 and the rest below one half.
        if (shift >= 118) {
            scaled = 0;
        } else {
            unsigned __int128 one = 1;
            bool roundUp = (scaled & ((one << shift) - 1)) >= (one << (shift - 1));
            scaled = (scaled >> shift) + (roundUp ? 1 : 0);
        }
    }
    digits = DecimalDigits(scaled);
    if (precision > 0) {
        if (static_cast<int>(digits.size()) <= precision)
            digits.insert(0, precision + 1 - digits.size(), '0');
        digits.insert(digits.size() - precision, 1, '.');
    }
    return true;
}

// The sign that a conversion puts before a number: "-", or by its flags "+" or " ", or none.
std::string SignOf(const Spec& spec, bool negative)
{
    if (negative)
        return "-";
    if (spec.flags.find('+') != std::string::npos)
        return "+";
    if (spec.flags.find(' ') != std::string::npos)
        return " ";
    return std::string();
}

// The sign and digits of a number padded to the conversion's width: spaces after with "-",
// zeros between sign and digits with "0" where zeros may pad, else spaces before.
std::string Padded(const Spec& spec, const std::string& sign, const std::string& digits, bool zerosMayPad)
{
    int pad = spec.width - static_cast<int>(sign.size() + digits.size());
    if (pad <= 0)
        return sign + digits;
    if (spec.flags.find('-') != std::string::npos)
        return sign + digits + std::string(pad, ' ');
    if (zerosMayPad && spec.flags.find('0') != std::string::npos)
        return sign + std::string(pad, '0') + digits;
    return std::string(pad, ' ') + sign + digits;
}

std::string FormatFixed(const Spec& spec, double value)
{
    int precision = spec.precision < 0 ? 6 : spec.precision;
    if (!std::isfinite(value)) {
        std::string format = "%" + spec.flags + (spec.width >= 0 ? std::to_string(spec.width) : "") + "f";
        return Print(format.c_str(), value);
    }
    std::string digits;
    if (!FixedMagnitudeInIntegers(std::fabs(value), precision, digits))
        digits = PrintedFixedMagnitude(std::fabs(value), precision);
    if (precision == 0 && spec.flags.find('#') != std::string::npos)
        digits += '.';
    return Padded(spec, SignOf(spec, std::signbit(value)), digits, true);
}

// "%d" and "%i" as the C library prints them: at least `precision` digits (none for 0 with
// precision 0), the sign, and the width's padding, zeros only without a precision.
std::string FormatInteger(const Spec& spec, long long value)
{
    unsigned long long magnitude = value < 0 ? 0ull - static_cast<unsigned long long>(value) : value;
    char buffer[24];
    std::string digits;
    if (magnitude != 0 || spec.precision != 0)
        digits.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr);
    if (spec.precision > static_cast<int>(digits.size()))
        digits.insert(0, spec.precision - digits.size(), '0');
    return Padded(spec, SignOf(spec, value < 0), digits, spec.precision < 0);
}

// Reads one conversion (flags, width, precision, length, type) after '%'; returns the position after it.
const char* ParseSpec(const char* p, Spec& spec, va_list& args)
{
    while (*p && std::strchr("-+ #0", *p))
        spec.flags += *p++;
    if (*p == '*') {
        spec.width = va_arg(args, int);
        if (spec.width < 0) {
            spec.flags += '-';
            spec.width = -spec.width;
        }
        ++p;
    } else if (*p >= '0' && *p <= '9') {
        spec.width = 0;
        while (*p >= '0' && *p <= '9')
            spec.width = spec.width * 10 + (*p++ - '0');
    }
    if (*p == '.') {
        ++p;
        spec.precision = 0;
        if (*p == '*') {
            // A negative precision counts as none, as the C runtime takes it.
            spec.precision = std::max(va_arg(args, int), -1);
            ++p;
        } else {
            while (*p >= '0' && *p <= '9')
                spec.precision = spec.precision * 10 + (*p++ - '0');
        }
    }
    if (std::strncmp(p, "I64", 3) == 0) {
        spec.length = "ll";
        p += 3;
    } else {
        while (*p && std::strchr("hlLqjzt", *p))
            spec.length += *p++;
    }
    spec.conversion = *p;
    return *p ? p + 1 : p;
}

// A "%d" or "%i" of an int, a long or a long long: the conversions that FormatInteger prints.
bool IsPlainInteger(const Spec& spec)
{
    return (spec.conversion == 'd' || spec.conversion == 'i') &&
           (spec.length.empty() || spec.length == "l" || spec.length == "ll");
}

long long IntegerArgument(const Spec& spec, va_list& args)
{
    if (spec.length == "ll")
        return va_arg(args, long long);
    if (spec.length == "l")
        return va_arg(args, long);
    return va_arg(args, int);
}

std::string FormatOther(const Spec& spec, va_list& args)
{
    std::string format = "%" + spec.flags;
    if (spec.width >= 0)
        format += std::to_string(spec.width);
    if (spec.precision >= 0)
        format += "." + std::to_string(spec.precision);
    format += spec.length;
    format += spec.conversion;
    const char* f = format.c_str();
    switch (spec.conversion) {
    case 'd':
    case 'i':
        if (spec.length == "ll")
            return Print(f, va_arg(args, long long));
        if (spec.length == "l")
            return Print(f, va_arg(args, long));
        return Print(f, va_arg(args, int));
    case 'u':
    case 'x':
    case 'X':
    case 'o':
        if (spec.length == "ll")
            return Print(f, va_arg(args, unsigned long long));
        if (spec.length == "l")
            return Print(f, va_arg(args, unsigned long));
        return Print(f, va_arg(args, unsigned int));
    case 'c':
        return Print(f, va_arg(args, int));
    case 's': {
        const char* s = va_arg(args, const char*);
        return Print(f, s ? s : "(null)");
    }
    case 'p':
        return Print(f, va_arg(args, void*));
    case 'e':
    case 'E':
    case 'g':
    case 'G':
        if (spec.length == "L")
            return Print(f, va_arg(args, long double));
        return Print(f, va_arg(args, double));
    default:
        return format;
    }
}

} // namespace

std::string WinFormatV(const char* format, va_list args)
{
    va_list ap;
    va_copy(ap, args);
    std::string out;
    for (const char* p = format; *p;) {
        if (*p != '%') {
            out += *p++;
            continue;
        }
        if (p[1] == '%') {
            out += '%';
            p += 2;
            continue;
        }
        Spec spec;
        p = ParseSpec(p + 1, spec, ap);
        if (spec.conversion == 'f' || spec.conversion == 'F')
            out += FormatFixed(spec,
                               spec.length == "L" ? static_cast<double>(va_arg(ap, long double)) : va_arg(ap, double));
        else if (IsPlainInteger(spec))
            out += FormatInteger(spec, IntegerArgument(spec, ap));
        else
            out += FormatOther(spec, ap);
    }
    va_end(ap);
    return out;
}

std::string WinFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    std::string out = WinFormatV(format, args);
    va_end(args);
    return out;
}
