#include "tests/support/TabbedCases.h"

#include "shell/FilterChars.h"

#include <cstdlib>

TEST(FilterChars, RemovesSingleByteCharactersOfTheSetAndKeepsDoubleByteOnesWhole)
{
    for (const auto& c : testsupport::ReadTabbedCases("shell/filter_chars.txt")) {
        CString text = c.at(0);
        EXPECT_EQ(atoi(c.at(3)), FilterChars(text, c.at(1))) << c.at(0);
        EXPECT_EQ(c.at(2), text) << c.at(0);
    }
    // A lead byte before a byte that cannot follow it stays alone, and that byte is filtered.
    CString lone = "\x81,a\x81\x7C";
    EXPECT_EQ(1, FilterChars(lone, ",|"));
    EXPECT_EQ("\x81" "a\x81\x7C", lone);
    // A lone lead byte at the end goes; no set changes nothing.
    CString text = "ab\x82";
    EXPECT_EQ(1, FilterChars(text, "|"));
    EXPECT_EQ(0, FilterChars(text, nullptr));
    EXPECT_EQ("ab", text);
}
