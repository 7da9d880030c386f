#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/files/WinPath.h"
#include "writers/CheckBitmapFile.h"

using testsupport::ReadHexFixture;
using testsupport::TempFolder;
using testsupport::WriteFileBytes;

TEST(CheckBitmapFile, TellsBitmapsFromShortAndUnsupportedFiles)
{
    TempFolder folder;
    auto check = [&](const std::string& name, const std::string& bytes) {
        WriteFileBytes(folder.Path(name), bytes);
        return CheckBitmapFile(CString(LinuxPathToWin(folder.Path(name))));
    };
    std::string info = ReadHexFixture("writers/bitmap_info40_1x1.hex");
    EXPECT_EQ(0, check("info.bmp", info));
    EXPECT_EQ(0, check("core.bmp", ReadHexFixture("writers/bitmap_core12_4x4.hex")));
    EXPECT_EQ(3, check("v5.bmp", ReadHexFixture("writers/bitmap_v5_header.hex")));
    EXPECT_EQ(2, check("short.bmp", ReadHexFixture("writers/bitmap_short20.hex")));
    EXPECT_EQ(2, check("empty.bmp", ""));
    EXPECT_EQ(2, check("one.bmp", "B"));
    EXPECT_EQ(3, check("two.bmp", "XY"));
    EXPECT_EQ(2, check("header.bmp", info.substr(0, 13)));
    EXPECT_EQ(2, check("fiftythree.bmp", info.substr(0, 53)));
    EXPECT_EQ(0, check("fiftyfour.bmp", info.substr(0, 54)));
    EXPECT_EQ(3, check("ba.bmp", "BA" + info.substr(2)));
    EXPECT_EQ(3, check("text.bmp", "no bitmap at all"));
    EXPECT_EQ(1, CheckBitmapFile(CString(LinuxPathToWin(folder.Path("missing.bmp")))));
}
