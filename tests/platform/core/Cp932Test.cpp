#include "tests/support/TestSupport.h"

#include "platform/core/Cp932.h"

// The characters that plain Shift-JIS tables lack or map differently, and the half-width kana.
static const std::string hardCp932 = "\x87\x40"  // ①
                                     "\x81\x60"  // ～
                                     "\x81\x7C"  // －
                                     "\x81\x8F"  // ￥
                                     "\x87\x8A"  // ㈱
                                     "\xFB\xFC"  // 髙
                                     "\xB6\xC5"  // ｶﾅ
                                     "\x95\x5C"  // 表
                                     "\x83\x5C"; // ソ
static const std::string hardUtf8 = u8"①～－￥㈱髙ｶﾅ表ソ";

TEST(Cp932, HardCharactersConvertBothWays)
{
    EXPECT_EQ(hardUtf8, cp932::ToUtf8(hardCp932));
    EXPECT_EQ(hardCp932, cp932::FromUtf8(hardUtf8));
    // Narrow literals of the sources are CP932 bytes.
    EXPECT_EQ(hardCp932, std::string("①～－￥㈱髙ｶﾅ表ソ"));
}

TEST(Cp932, DuplicateCodesComeBackAsTheirStandardForm)
{
    // ≒ is 81 E0, and again 87 90 in the NEC row; Unicode has one ≒, so the way back gives 81 E0.
    EXPECT_EQ(u8"≒", cp932::ToUtf8("\x87\x90"));
    EXPECT_EQ("\x81\xE0", cp932::FromUtf8(cp932::ToUtf8("\x87\x90")));
}

TEST(Cp932, BytesOutsideEitherCodeAreReplacedNeverFatal)
{
    EXPECT_EQ(u8"a\uFFFDb", cp932::ToUtf8("a\xA0" "b"));
    EXPECT_EQ(u8"x\uFFFD", cp932::ToUtf8("x\x95")); // lead byte cut off at the end
    EXPECT_EQ("a?b", cp932::FromUtf8(u8"a\u20ACb"));
    EXPECT_EQ("?A", cp932::FromUtf8("\xE3" "A")); // broken UTF-8 loses only its own byte
    EXPECT_EQ("", cp932::ToUtf8(""));
}

// A lead byte takes the byte after it into its character whatever that byte is, as CString and
// the splitting of paths count it: a pair that is not CP932 is one U+FFFD, with nothing left over.
TEST(Cp932, APairThatIsNotCp932IsOneReplacement)
{
    EXPECT_EQ(u8"\uFFFDa", cp932::ToUtf8("\x81<a"));
    EXPECT_EQ(u8"\uFFFD..", cp932::ToUtf8("\x81/.."));
    EXPECT_EQ(u8"x\uFFFD", cp932::ToUtf8("x\x81'"));
    EXPECT_EQ(u8"\uFFFD\uFFFD", cp932::ToUtf8("\x81\x7F\x81\x20"));
    EXPECT_EQ(u8"\uFFFD表", cp932::ToUtf8("\x85\x40表")); // a pair without a character
    EXPECT_EQ(u8"\uFFFD", cp932::ToUtf8(std::string("\x81\0", 2)));
}

TEST(Cp932, ByteClasses)
{
    EXPECT_TRUE(cp932::IsLeadByte(0x81));
    EXPECT_TRUE(cp932::IsLeadByte(0x9F));
    EXPECT_TRUE(cp932::IsLeadByte(0xE0));
    EXPECT_TRUE(cp932::IsLeadByte(0xFC));
    EXPECT_FALSE(cp932::IsLeadByte(0x5C));
    EXPECT_FALSE(cp932::IsLeadByte(0xA0));
    EXPECT_FALSE(cp932::IsLeadByte(0xB6)); // half-width kana is one byte
}
