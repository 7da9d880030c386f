#include "storage/DoubleQuoteChars.h"

#include "tests/support/TestSupport.h"

namespace {

// The text after DoubleQuoteChars, and its result.
std::pair<std::string, int> Doubled(const std::string& text, LPCTSTR chars)
{
    CString value(text);
    int result = DoubleQuoteChars(&value, chars);
    return {value.Bytes(), result};
}

} // namespace

TEST(DoubleQuoteChars, DoublesSingleByteCharactersOfTheSetOnly)
{
    using Result = std::pair<std::string, int>;
    EXPECT_EQ(Result("O''Brien''s", 1), Doubled("O'Brien's", "'"));
    EXPECT_EQ(Result("''''", 1), Doubled("''", "'"));
    EXPECT_EQ(Result("a\\\\b''", 1), Doubled("a\\b'", "'\\"));
    // 表 and ソ end in 5C, the backslash: their second bytes are never doubled.
    EXPECT_EQ(Result("\x95\x5C\x83\x5C", 0), Doubled("\x95\x5C\x83\x5C", "\\"));
    EXPECT_EQ(Result("\x95\x5C\\\\", 1), Doubled("\x95\x5C\\", "\\"));
    // Half-width katakana are single bytes; a lead byte at the very end is copied alone.
    EXPECT_EQ(Result("\xB1''\x95", 1), Doubled("\xB1'\x95", "'"));
    EXPECT_EQ(Result("\x95", 0), Doubled("\x95", "\x95"));
    // Without characters to double, or without a text, nothing changes.
    EXPECT_EQ(Result("It's", 0), Doubled("It's", ""));
    EXPECT_EQ(Result("It's", 0), Doubled("It's", nullptr));
    EXPECT_EQ(Result("plain", 0), Doubled("plain", "'"));
    EXPECT_EQ(Result("", 0), Doubled("", "'"));
    EXPECT_EQ(0, DoubleQuoteChars(nullptr, "'"));
}
