// The string utilities. In CP932 表 is 95 5C, ソ 83 5C and 能 94 5C (a second byte of "\"), and
// ポ is 83 7C (a second byte of "|").
#include "tests/support/TestSupport.h"

#include "readers/VhString.h"

#include <vector>

namespace {

std::vector<CString> Tokens(LPCTSTR text, TCHAR separator)
{
    VhString::SeparatorScope scope(separator);
    CStringList list;
    list.AddTail("left over");
    VhString(text).Tokenize(list);
    std::vector<CString> tokens;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        tokens.push_back(list.GetNext(pos));
    return tokens;
}

} // namespace

TEST(VhString, TokenizesAtSeparatorsAndBlanksKeepingQuotedStretchesWhole)
{
    struct Case {
        LPCTSTR text;
        TCHAR separator;
        std::vector<CString> tokens;
    };
    const Case cases[] = {
        {"", '|', {}},
        {" \t ", '|', {}},
        {"a, b", ',', {"a", "b"}},
        {",,a , ,b,,", ',', {"a", "b"}},
        {"a|b c", '|', {"a", "b", "c"}},
        {"a,b", '|', {"a,b"}},
        {"\"\"", ',', {"\"\""}},
        {"x,\"a, b\",y", ',', {"x", "\"a, b\"", "y"}},
        {"\"a\\\"b\"", ',', {"\"a\\\"b\""}},
        {"\"a\\\\\",b", ',', {"\"a\\\\\"", "b"}},
        {"x,\"open, to the end", ',', {"x", "\"open, to the end"}},
        {"\"ab\\", ',', {"\"ab\\"}},
        {"a\\,b", ',', {"a\\", "b"}},
        {"ab\"c d\"e f", ',', {"ab\"c d\"e", "f"}},
        {"ポ|ソ", '|', {"ポ", "ソ"}},
        {"\"ソ\",\"x\"", ',', {"\"ソ\"", "\"x\""}},
        {"\"\\ソ\",x", ',', {"\"\\ソ\"", "x"}},
        {"表\\,能", ',', {"表\\", "能"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.tokens, Tokens(c.text, c.separator)) << c.text;
}

TEST(VhString, TellsWhetherTheTextEndsInsideAQuotedStretch)
{
    EXPECT_FALSE(VhString("").EndsInQuotes());
    EXPECT_FALSE(VhString("a, b\r").EndsInQuotes());
    EXPECT_TRUE(VhString("#1,;\"a\r").EndsInQuotes());
    EXPECT_FALSE(VhString("\"a\"\r").EndsInQuotes());
    EXPECT_FALSE(VhString("\"a\";\"b\"").EndsInQuotes());
    EXPECT_TRUE(VhString("\"a\\\"").EndsInQuotes());
    EXPECT_FALSE(VhString("\"a\\\\\"").EndsInQuotes());
    EXPECT_TRUE(VhString("\"\\").EndsInQuotes());
    EXPECT_FALSE(VhString("\"表\"").EndsInQuotes());
    EXPECT_FALSE(VhString("表\\\"\"").EndsInQuotes());
}

TEST(VhString, GroupsTheFirstRunOfDigitsWithTheSeparator)
{
    struct Case {
        LPCTSTR text;
        TCHAR separator;
        LPCTSTR grouped;
    };
    const Case cases[] = {
        {"123", '|', "123"},
        {"1234", '|', "1|234"},
        {"123456", ',', "123,456"},
        {"-1234567.8", ',', "-1,234,567.8"},
        {"12345.6789", ',', "12,345.6789"},
        {"no digits ", ',', "no digits "},
        {"", ',', ""},
        {"ポ1234", '|', "ポ1|234"},
        {" 1234 ", ',', "1,234"},
        {"|1234|", '|', "1|234"},
    };
    for (const Case& c : cases) {
        VhString::SeparatorScope scope(c.separator);
        EXPECT_EQ(CString(c.grouped), VhString(c.text).GroupDigits()) << c.text;
    }
    EXPECT_EQ('|', VhString::GetSeparator());
}

TEST(VhString, RemovesAndStripsWithoutSplittingDoubleByteCharacters)
{
    struct Case {
        CString result;
        LPCTSTR expected;
    };
    VhString source("表\\a表\\");
    const Case cases[] = {
        {VhString(" ;x; ").StripEnclosing(';'), "x"},   {VhString(";").StripEnclosing(';'), ";"},
        {VhString(";;").StripEnclosing(';'), ""},       {VhString(";ab").StripEnclosing(';'), "ab"},
        {VhString("ab;").StripEnclosing(';'), "ab"},    {VhString("\\表").StripEnclosing('\\'), "表"},
        {VhString("aポ").StripEnclosing('|'), "aポ"},   {VhString("aabb").RemoveAll("ab"), ""},
        {VhString("xabyab").RemoveFirst("ab"), "xyab"}, {VhString("xaby").RemoveAll(""), "xaby"},
        {VhString("xaby").RemoveFirst(""), "xaby"},     {VhString("xaby").RemoveFirst(nullptr), "xaby"},
        {VhString("表\\").RemoveAllChar('\\'), "表"},   {source.RemoveFirstChar('\\'), "表a表\\"},
        {source.RemoveAllChar('\\'), "表a表"},          {source.RemoveAllChar('\0'), "表\\a表\\"},
        {VhString("ソ").RemoveAll("\\"), "ソ"},         {VhString(" \t表 \r").Trim(), "表"},
        {VhString("表ソab").LeftStr(2), "表"},          {VhString("表ソab").MidStr(2), "ソab"},
        {VhString("表ソab").RightStr(4), "ソab"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.expected), c.result);
    EXPECT_EQ(CString("表\\a表\\"), source);

    // The joint of value pieces: removals that form a joint remove it too; a lone lead byte before
    // one stays a character of its own.
    const char joint[] = "\";\"";
    EXPECT_EQ(CString("ab"), VhString("a\"\";\";\"b").RemoveAll(joint));
    EXPECT_EQ(CString(";\""), VhString("\";\";\"").RemoveAll(joint));
    EXPECT_EQ(CString("\x81\x40"), VhString("\x81\";\"\x40").RemoveAll(joint));
}

TEST(VhString, StepsOverCharactersAndWritesNumbers)
{
    const char text[] = "a表";
    int length = -1;
    EXPECT_EQ(text + 1, CharNextCount(text, &length));
    EXPECT_EQ(1, length);
    EXPECT_EQ(text + 3, CharNextCount(text + 1, &length));
    EXPECT_EQ(2, length);
    EXPECT_EQ(text + 3, CharNextCount(text + 3, &length));
    EXPECT_EQ(0, length);
    const char leadAtEnd[] = "\x83";
    EXPECT_EQ(leadAtEnd + 1, CharNextCount(leadAtEnd, &length));
    EXPECT_EQ(1, length);
    EXPECT_EQ(text + 1, CharNextCount(text));
    EXPECT_EQ(nullptr, CharNextCount(nullptr, &length));
    EXPECT_EQ(CString("-42"), IntToString(-42));
}
