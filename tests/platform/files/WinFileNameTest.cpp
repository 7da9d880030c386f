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
