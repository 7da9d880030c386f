#include "platform/core/WinFormat.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

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
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    int n = vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string out;
    if (n > 0) {
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

// |value| with `precision` decimals, ties rounded away from zero.
std::string FixedMagnitude(double magnitude, int precision)
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

std::string FormatFixed(const Spec& spec, double value)
{
    int precision = spec.precision < 0 ? 6 : spec.precision;
    if (!std::isfinite(value)) {
        std::string format = "%" + spec.flags + (spec.width >= 0 ? std::to_string(spec.width) : "") + "f";
        return Print(format.c_str(), value);
    }
    std::string digits = FixedMagnitude(std::fabs(value), precision);
    if (precision == 0 && spec.flags.find('#') != std::string::npos)
        digits += '.';
    std::string sign;
    if (std::signbit(value))
        sign = "-";
    else if (spec.flags.find('+') != std::string::npos)
        sign = "+";
    else if (spec.flags.find(' ') != std::string::npos)
        sign = " ";
    int pad = spec.width - static_cast<int>(sign.size() + digits.size());
    if (pad <= 0)
        return sign + digits;
    if (spec.flags.find('-') != std::string::npos)
        return sign + digits + std::string(pad, ' ');
    if (spec.flags.find('0') != std::string::npos)
        return sign + std::string(pad, '0') + digits;
    return std::string(pad, ' ') + sign + digits;
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
            spec.precision = va_arg(args, int);
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
            out += FormatFixed(spec, spec.length == "L" ? static_cast<double>(va_arg(ap, long double))
                                                       : va_arg(ap, double));
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
