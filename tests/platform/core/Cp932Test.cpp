#include "tests/support/TestSupport.h"

#include "platform/core/Cp932.h"

#include <iconv.h>

// The characters that plain Shift-JIS tables lack or map differently (① ～ － ￥ ㈱ 髙), half-width
// kana (ｶﾅ), and 表 and ソ, whose trail byte is that of "\".
static const std::string hardCp932 = "\x87\x40\x81\x60\x81\x7C\x81\x8F\x87\x8A\xFB\xFC\xB6\xC5\x95\x5C\x83\x5C";
static const std::string hardUtf8 = u8"①～－￥㈱髙ｶﾅ表ソ";

// A short text converted by cd alone into out; false when iconv refuses any of it.
static bool IconvConverts(iconv_t cd, std::string text, std::string& out)
{
    char buffer[32];
    char* in = &text[0];
    char* end = buffer;
    size_t inLeft = text.size(), outLeft = sizeof buffer;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    bool converted = iconv(cd, &in, &inLeft, &end, &outLeft) != static_cast<size_t>(-1);
    out.assign(buffer, end);
    return converted;
}

// Narrow literals of the sources are CP932 bytes. ≒ is 81 E0, and again 87 90 in the NEC row;
// Unicode has one ≒, so the way back gives 81 E0.
TEST(Cp932, HardCharactersConvertBothWaysAndDuplicatesComeBackInTheirStandardForm)
{
    EXPECT_EQ(hardUtf8, cp932::ToUtf8(hardCp932));
    EXPECT_EQ(hardCp932, cp932::FromUtf8(hardUtf8));
    EXPECT_EQ(hardCp932, std::string("①～－￥㈱髙ｶﾅ表ソ"));
    EXPECT_EQ(u8"≒", cp932::ToUtf8("\x87\x90"));
    EXPECT_EQ("\x81\xE0", cp932::FromUtf8(cp932::ToUtf8("\x87\x90")));
}

// Bytes outside either code are replaced, never fatal: a lead byte cut off at the end, and broken
// UTF-8, which loses only its own byte.
TEST(Cp932, BytesOutsideEitherCodeAreReplacedAndOnlyLeadBytesStartPairs)
{
    EXPECT_EQ(u8"a\uFFFDb", cp932::ToUtf8("a\xA0"
                                          "b"));
    EXPECT_EQ(u8"x\uFFFD", cp932::ToUtf8("x\x95"));
    EXPECT_EQ("a?b", cp932::FromUtf8(u8"a\u20ACb"));
    EXPECT_EQ("?A", cp932::FromUtf8("\xE3"
                                    "A"));
    EXPECT_EQ("", cp932::ToUtf8(""));
    for (unsigned char lead : {0x81, 0x9F, 0xE0, 0xFC})
        EXPECT_TRUE(cp932::IsLeadByte(lead)) << int(lead);
    for (unsigned char single : {0x5C, 0xA0, 0xB6}) // B6 is a half-width kana
        EXPECT_FALSE(cp932::IsLeadByte(single)) << int(single);
    // A lead byte pairs only with a byte that can follow it (40-7E, 80-FC); before any other byte
    // it is one U+FFFD, and that byte stands on its own. A pair without a character is one U+FFFD.
    EXPECT_EQ(u8"\uFFFD<a", cp932::ToUtf8("\x81<a"));
    EXPECT_EQ(u8"\uFFFD/..", cp932::ToUtf8("\x81/.."));
    EXPECT_EQ(u8"x\uFFFD'", cp932::ToUtf8("x\x81'"));
    EXPECT_EQ(u8"\uFFFD\n\uFFFD ", cp932::ToUtf8("\x81\n\x81\x20"));
    EXPECT_EQ(u8"\uFFFD?\u3000×÷◯\uFFFD\x7F\uFFFD\uFFFD", // the bounds: 3F, 40, 7E, 80, FC, 7F, FD
              cp932::ToUtf8("\x81\x3F\x81\x40\x81\x7E\x81\x80\x81\xFC\x81\x7F\x81\xFD"));
    EXPECT_EQ(u8"\uFFFD表", cp932::ToUtf8("\x85\x40表")); // a pair without a character
    EXPECT_EQ(std::string(u8"\uFFFD\0", 4), cp932::ToUtf8(std::string("\x81\0", 2)));
}

// A long text converts as its characters one by one, as CharLength counts them: what the writers
// rely on when they convert a whole file at once. Every byte after every byte, more than fills
// any buffer of the conversion, and a lead byte cut off at the end.
TEST(Cp932, ALongTextConvertsAsItsCharactersOneByOne)
{
    std::string text;
    for (int first = 0; first < 256; ++first)
        for (int second = 0; second < 256; second += 3)
            text += {static_cast<char>(first), static_cast<char>(second)};
    text += '\x81';
    std::string oneByOne;
    for (size_t i = 0; i < text.size(); i += cp932::CharLength(text.data(), i, text.size()))
        oneByOne += cp932::ToUtf8(text.substr(i, cp932::CharLength(text.data(), i, text.size())));
    EXPECT_EQ(oneByOne, cp932::ToUtf8(text));
}

// Every character converts as iconv converts it alone: each single byte, each pair of a lead byte
// and a byte that can follow it, and a lead byte cut off, those that iconv refuses becoming one
// U+FFFD; a lead byte before any other byte is such a lone byte, and the byte after it another.
TEST(Cp932, EveryCharacterConvertsAsIconvConvertsItAlone)
{
    iconv_t cd = iconv_open("UTF-8", "CP932");
    ASSERT_NE(reinterpret_cast<iconv_t>(-1), cd);
    auto iconvOf = [cd](const std::string& character) {
        std::string out;
        return IconvConverts(cd, character, out) ? out : std::string(u8"\uFFFD");
    };
    for (int first = 0; first < 256; ++first) {
        std::string lone(1, static_cast<char>(first));
        EXPECT_EQ(iconvOf(lone), cp932::ToUtf8(lone)) << first;
        for (int second = 0; second < 256 && cp932::IsLeadByte(first); ++second) {
            std::string pair = lone + static_cast<char>(second);
            bool paired = (second >= 0x40 && second <= 0x7E) || (second >= 0x80 && second <= 0xFC);
            std::string expected = paired ? iconvOf(pair) : iconvOf(lone) + iconvOf(pair.substr(1));
            EXPECT_EQ(expected, cp932::ToUtf8(pair)) << first << " " << second;
        }
    }
    iconv_close(cd);
}

// Well-formed UTF-8 is Unicode's table of byte sequences, as iconv decodes it: every lead byte with
// every byte after it, cut at one to four bytes, the rest continuation bytes.
TEST(Cp932, WellFormedUtf8IsUnicodesTableOfByteSequences)
{
    iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
    ASSERT_NE(reinterpret_cast<iconv_t>(-1), cd);
    auto iconvDecodes = [cd](const std::string& text) {
        std::string out;
        return IconvConverts(cd, text, out);
    };
    for (int lead = 0; lead < 256; ++lead)
        for (int second = 0; second < 256; ++second)
            for (size_t length = 1; length <= 4; ++length) {
                std::string text =
                    std::string{static_cast<char>(lead), static_cast<char>(second), '\x80', '\x80'}.substr(0, length);
                ASSERT_EQ(iconvDecodes(text), cp932::IsWellFormedUtf8(text)) << lead << " " << second << " " << length;
            }
    iconv_close(cd);
    // "燹　" in CP932 is an overlong form in UTF-8; a third byte that continues nothing.
    EXPECT_FALSE(cp932::IsWellFormedUtf8("a\xE0\x9F\x81\x40"));
    EXPECT_FALSE(cp932::IsWellFormedUtf8("\xE3\x81\x41"));
    const std::string beyondCp932 = u8"𠮷野家 \U0010FFFF";
    EXPECT_TRUE(cp932::IsWellFormedUtf8(beyondCp932));
}
