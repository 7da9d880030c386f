#include "tests/support/TestSupport.h"

// Expected values follow the Windows rule: the exact decimal value of the double, ties rounded
// half away from zero (the C library here would round ties to even).
TEST(WinFormat, FixedRoundsExactTiesAwayFromZero)
{
    EXPECT_EQ("1", WinFormat("%.0f", 0.5));
    EXPECT_EQ("2", WinFormat("%.0f", 1.5));
    EXPECT_EQ("3", WinFormat("%.0f", 2.5));
    EXPECT_EQ("-3", WinFormat("%.0f", -2.5));
    EXPECT_EQ("10", WinFormat("%.0f", 9.5));
    EXPECT_EQ("0.13", WinFormat("%.2f", 0.125));
    EXPECT_EQ("0.38", WinFormat("%.2f", 0.375));
    EXPECT_EQ("2.063", WinFormat("%.3f", 2.0625));
    EXPECT_EQ("1.000000", WinFormat("%f", 1.0));
    EXPECT_EQ("0.500000", WinFormat("%f", 0.5));
}

TEST(WinFormat, NonTiesFollowTheExactValue)
{
    EXPECT_EQ("0.1", WinFormat("%.1f", 0.15)); // 0.1499999999999999944...
    EXPECT_EQ("0.1", WinFormat("%.1f", 0.05)); // 0.05000000000000000277...
    EXPECT_EQ("2.67", WinFormat("%.2f", 2.675)); // 2.67499999999999982236431605997495353221893310546875
    EXPECT_EQ("123456789.00", WinFormat("%.2f", 123456789.0));
}

TEST(WinFormat, WidthFlagsAndOtherConversions)
{
    EXPECT_EQ("   2.063", WinFormat("%8.3f", 2.0625));
    EXPECT_EQ("0.3     |", WinFormat("%-8.1f|", 0.25));
    EXPECT_EQ("-0000.13", WinFormat("%08.2f", -0.125));
    EXPECT_EQ("+1", WinFormat("%+.0f", 0.5));
    EXPECT_EQ("1.", WinFormat("%#.0f", 0.5));
    EXPECT_EQ("  0.5", WinFormat("%*.*f", 5, 1, 0.45000000000000001));
    EXPECT_EQ("x 42 ab 7f 100% 00012", WinFormat("x %d %s %x 100%% %05d", 42, "ab", 127, 12));
    EXPECT_EQ("2.5e+00", WinFormat("%.1e", 2.5));
}
