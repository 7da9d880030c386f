#include "platform/files/WinFileName.h"
#include "tests/support/TestSupport.h"

// A name is read character by character as cp932::CharLength counts them: the 5C of 表 or of ―
// (81 5C) is no backslash, while a character that follows a lead byte starting no pair stands on
// its own and is refused where it is refused anywhere.
TEST(WinFileName, ForbiddenCharactersCountWhereverTheyStand)
{
    for (const char* name : {"表ソ", "\x81\\", "a\x81", "a.b", "CONSOLE"})
        EXPECT_TRUE(IsWinFileName(name)) << name;
    for (const char* name :
         {"", ".", "..", "a?b", "a.", "a ", "con.txt", "LPT1", "\x81/..", "\x81\"", "\x81\x01", "\x81:", "\x81*"})
        EXPECT_FALSE(IsWinFileName(name)) << testsupport::Hex(name);
}

// A name that this system can use everywhere is a Windows name whose every character is a CP932
// character: NEC and IBM rows, user-defined and half-width characters are; a pair without a
// character, a lead byte before a byte that cannot follow it or at the end, and a byte outside
// the code are not.
TEST(WinFileName, APortableNameIsAWindowsNameOfCp932CharactersOnly)
{
    for (const char* name : {"表ソ", "\x87\x40\x87\x90\xFB\xFC\xF0\x40\xB6\xC5"})
        EXPECT_TRUE(IsPortableFileName(name)) << testsupport::Hex(name);
    for (const char* name : {"\x85\xC6",
                             "a\x81\x7F"
                             "b",
                             "a\x81", "x\xA0", "\xFD", "CON", "a."})
        EXPECT_FALSE(IsPortableFileName(name)) << testsupport::Hex(name);
}
