#include "platform/files/WinPath.h"
#include "platform/files/WinDrive.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <sys/stat.h>

using testsupport::TempFolder;

namespace {

// Restores the drive-letter table after each test.
class WinPathTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        unsetenv("ZN_DRIVE_B");
        unsetenv("ZN_DRIVE_C");
        ResetDriveTable();
    }
};

} // namespace

// 表 is 95 5C and ソ is 83 5C in CP932: their second byte must never split a name.
TEST_F(WinPathTest, MapsJapaneseNamesBothWaysThroughTheDriveTable)
{
    EXPECT_EQ(u8"/表計算/ソフト/データ.txt", WinPathToLinux("C:\\表計算\\ソフト\\データ.txt"));
    EXPECT_EQ("C:\\表計算\\ソフト\\データ.txt", LinuxPathToWin(u8"/表計算/ソフト/データ.txt"));
    EXPECT_EQ(u8"表/ソ", WinPathToLinux("表\\ソ"));
    EXPECT_EQ("表\\ソ", LinuxPathToWin(u8"表/ソ"));

    TempFolder floppy;
    SetDriveFolder('a', floppy.Path() + "/");
    EXPECT_EQ(floppy.Path() + u8"/表/ソ/", WinPathToLinux("A:\\表\\ソ\\"));
    EXPECT_EQ("A:\\表\\ソ.txt", LinuxPathToWin(floppy.Path() + u8"/表/ソ.txt"));
    EXPECT_EQ("A:\\", LinuxPathToWin(floppy.Path()));
    // A: holds its folder only, not a neighbour whose name starts the same; C: holds the rest.
    EXPECT_EQ("C:", LinuxPathToWin(floppy.Path() + "x").substr(0, 2));
    EXPECT_TRUE(EndsWithBackslash("C:\\表\\"));
    EXPECT_FALSE(EndsWithBackslash("C:\\表"));
}

// A lead byte before a byte that cannot follow it is one character of no code, U+FFFD, and the
// byte after it a character of its own: a "/" there separates as any "/" does, as the names hold
// what the path held, character by character. A "\" that follows a lead byte is a second byte
// (81 5C is ―) and never separates.
TEST_F(WinPathTest, ALeadByteThatStartsNoPairIsACharacterOfItsOwn)
{
    EXPECT_EQ(u8"/a/\uFFFD/b", WinPathToLinux("C:\\a\\\x81/b"));
    EXPECT_EQ(u8"/a/\uFFFD/..", WinPathToLinux("C:\\a\\\x81/.."));
    EXPECT_EQ(u8"/a/―b/x\uFFFD", WinPathToLinux("C:\\a\\\x81\\b\\x\x81"));
    EXPECT_EQ((std::vector<std::string>{"\x81", "..", "\x81\\b"}), SplitCp932("\x81/..\\\x81\\b", "\\/"));
    EXPECT_FALSE(EndsWithBackslash("a\x81\\"));
}

TEST_F(WinPathTest, FindsExistingNamesWhateverTheirCase)
{
    TempFolder root;
    SetDriveFolder('D', root.Path());
    ASSERT_EQ(0, mkdir(root.Path("Data").c_str(), 0700));
    ASSERT_EQ(0, mkdir(root.Path(u8"Data/表Folder").c_str(), 0700));
    testsupport::WriteFileBytes(root.Path(u8"Data/表Folder/Report.TXT"), "x");

    EXPECT_EQ(root.Path(u8"Data/表Folder/Report.TXT"), WinPathToLinux("D:\\DATA\\表folder\\report.txt"));
    // A new name keeps its own case; the names above it that exist are found.
    EXPECT_EQ(root.Path(u8"Data/表Folder/New.txt"), WinPathToLinux("d:\\data\\表FOLDER\\New.txt"));
    EXPECT_EQ(root.Path("Data/Missing/Deeper"), WinPathToLinux("D:\\data\\Missing\\Deeper"));
    CFile file;
    EXPECT_TRUE(file.Open("D:\\data\\表FOLDER\\REPORT.txt", CFile::modeRead));
}

// My Computer stands for the drives: the first fixed drive present, a floppy one, or the home folder.
TEST_F(WinPathTest, MyComputerIsTheFirstDrivePresentElseTheHomeFolder)
{
    EXPECT_EQ("/", MyComputerFolder());
    TempFolder floppy, data, home;
    SetDriveFolder('A', floppy.Path());
    SetDriveFolder('D', data.Path());
    EXPECT_EQ("/", MyComputerFolder());
    SetDriveFolder('C', "");
    EXPECT_EQ(data.Path(), MyComputerFolder());
    SetDriveFolder('D', data.Path("absent"));
    EXPECT_EQ(floppy.Path(), MyComputerFolder());
    SetDriveFolder('A', "");
    testsupport::ScopedEnv homeVariable("HOME", home.Path());
    EXPECT_EQ(home.Path(), MyComputerFolder());
}

TEST_F(WinPathTest, DriveTypesFollowTheTableAndTheEnvironment)
{
    EXPECT_EQ(UINT(DRIVE_FIXED), GetDriveTypeA("C:\\"));
    EXPECT_EQ(UINT(DRIVE_NO_ROOT_DIR), GetDriveTypeA("A:\\"));
    TempFolder floppy;
    setenv("ZN_DRIVE_B", floppy.Path().c_str(), 1);
    setenv("ZN_DRIVE_C", "", 1);
    ResetDriveTable();
    EXPECT_EQ(UINT(DRIVE_REMOVABLE), GetDriveTypeA("b:"));
    EXPECT_EQ(UINT(DRIVE_NO_ROOT_DIR), GetDriveTypeA("C:\\"));
    SetDriveFolder('E', floppy.Path("absent"));
    EXPECT_EQ(UINT(DRIVE_NO_ROOT_DIR), GetDriveTypeA("E:\\"));

    // A drive without a folder fails as a missing path does on Windows.
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open("C:\\データ.txt", CFile::modeCreate | CFile::modeWrite, &error));
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, error.m_lOsError);
}
