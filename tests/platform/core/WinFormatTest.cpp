// The number formatter against the C library: "%f" differs from it only at exact ties, which
// Windows rounds away from zero; "%d" does not differ at all. Hand-picked cases are in
// tests/data/platform/text_functions.tsv.
#include "platform/core/WinFormat.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

std::string LibraryFormat(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string LibraryFormat(const char* format, ...)
{
    char text[2048];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

// A value is a tie at `precision` places when its exact value ends in a 5 just after them, that
// is when it is an odd multiple of 2^-(precision + 1).
bool IsTie(double value, int precision)
{
    double scaled = std::ldexp(std::fabs(value), precision + 1);
    return scaled < 9007199254740992.0 && scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

} // namespace

TEST(WinFormat, FixedRoundsTiesAwayFromZeroAndEverythingElseAsTheCLibrary)
{
    // Ties a / 2^(p + 1) with an odd a below 64: up to 19 places the next double away from zero is
    // still far from the next rounding boundary, and the library rounds it as Windows rounds the tie.
    for (int precision = 0; precision <= 19; ++precision)
        for (int odd = 1; odd < 64; odd += 2)
            for (double sign : {1.0, -1.0}) {
                double tie = sign * std::ldexp(odd, -(precision + 1));
                ASSERT_TRUE(IsTie(tie, precision));
                EXPECT_EQ(LibraryFormat("%.*f", precision, std::nextafter(tie, sign * INFINITY)),
                          WinFormat("%.*f", precision, tie))
                    << precision << " " << odd;
            }
    // Doubles of every size, those beyond 2^64 included, and of any bits.
    std::mt19937_64 random(26);
    for (int i = 0; i < 20000; ++i) {
        double value = std::ldexp(static_cast<double>(random() >> 11), static_cast<int>(random() % 160) - 120);
        if (i % 4 == 0) {
            std::uint64_t bits = random();
            std::memcpy(&value, &bits, sizeof value);
        }
        int precision = static_cast<int>(random() % 22);
        if (!std::isfinite(value) || IsTie(value, precision))
            continue;
        EXPECT_EQ(LibraryFormat("%+012.*f", precision, value), WinFormat("%+012.*f", precision, value))
            << precision << " " << value;
    }
}

TEST(WinFormat, IntegersAsTheCLibraryPrintsThem)
{
    const char* flags[] = {"", "-", "+", " ", "0", "-0", "+0", " 0", "+ "};
    const int values[] = {0, 1, -1, 42, -42, 12345, INT_MAX, INT_MIN};
    for (const char* flag : flags)
        for (int width = -1; width <= 12; ++width)
            for (int precision = -2; precision <= 12; ++precision) {
                // A precision of -2 stands for a bare ".", which is precision 0.
                std::string spec = std::string("%") + flag + (width >= 0 ? std::to_string(width) : "") +
                                   (precision >= 0    ? "." + std::to_string(precision)
                                    : precision == -2 ? "."
                                                      : "");
                std::string format = "[" + spec + "d|" + spec + "li|" + spec + "lld]";
                for (int value : values) {
                    long long wide = value == INT_MIN ? LLONG_MIN : value == INT_MAX ? LLONG_MAX : value * 3000000000LL;
                    EXPECT_EQ(LibraryFormat(format.c_str(), value, static_cast<long>(value) * 7, wide),
                              WinFormat(format.c_str(), value, static_cast<long>(value) * 7, wide))
                        << format << " " << value;
                }
            }
    // A negative precision given as an argument counts as none; a short stays a short.
    EXPECT_EQ("[   42]", WinFormat("[%5.*d]", -3, 42));
    EXPECT_EQ("-7616", WinFormat("%hd", 123456 + 65536 * 2));
}
