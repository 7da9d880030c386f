#include "platform/files/WinFileApi.h"
#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

TEST(WinFileApi, MakesTemporaryFoldersOfTheirOwnBelowTmpdir)
{
    testsupport::TempFolder temp;
    std::string base = temp.Path(u8"表");
    testsupport::ScopedEnv tmpdir("TMPDIR", base);
    CString folder;
    EXPECT_FALSE(CreateTempFolder(folder));
    EXPECT_NE(ERROR_SUCCESS, GetLastError());

    // A folder that a Windows path cannot name is left alone.
    std::string unnamed = temp.Path(u8"𠮷");
    mkdir(unnamed.c_str(), 0777);
    tmpdir.Set(unnamed);
    EXPECT_FALSE(CreateTempFolder(folder));
    EXPECT_EQ(ERROR_INVALID_NAME, GetLastError());
    EXPECT_EQ(0, rmdir(unnamed.c_str()));

    mkdir(base.c_str(), 0777);
    tmpdir.Set(base + "//");
    CString first, second;
    ASSERT_TRUE(CreateTempFolder(first));
    ASSERT_TRUE(CreateTempFolder(second));
    EXPECT_NE(first, second);
    EXPECT_TRUE(EndsWithBackslash(first));
    std::string linuxPath = WinPathToLinux(first);
    EXPECT_EQ(base + "/", linuxPath.substr(0, base.size() + 1));
    struct stat st;
    ASSERT_EQ(0, stat(linuxPath.c_str(), &st));
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(0700u, st.st_mode & 0777u);
    EXPECT_TRUE(RemoveDirectory(first));
    EXPECT_TRUE(RemoveDirectory(second));
}

TEST(WinFileApi, CreateTempTextFileMakesAUniqueFileOpenInTextModeOrNothing)
{
    testsupport::TempFolder temp;
    std::string base = temp.Path(u8"表");
    testsupport::ScopedEnv tmpdir("TMPDIR", base);
    CString path = "unchanged";
    EXPECT_EQ(nullptr, CreateTempTextFile(path));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
    EXPECT_EQ(CString("unchanged"), path);

    std::string unnamed = temp.Path(u8"𠮷");
    mkdir(unnamed.c_str(), 0777);
    tmpdir.Set(unnamed);
    EXPECT_EQ(nullptr, CreateTempTextFile(path));
    EXPECT_EQ(ERROR_INVALID_NAME, GetLastError());
    EXPECT_EQ(0, rmdir(unnamed.c_str()));

    mkdir(base.c_str(), 0777);
    tmpdir.Set(base);
    CString second;
    FILE* file = CreateTempTextFile(path);
    ASSERT_NE(nullptr, file);
    FILE* other = CreateTempTextFile(second);
    ASSERT_NE(nullptr, other);
    EXPECT_NE(path, second);
    fputs("一\n", file);
    EXPECT_EQ(0, fclose(file));
    EXPECT_EQ(0, fclose(other));
    std::string linuxPath = WinPathToLinux(path);
    EXPECT_EQ(base + "/", linuxPath.substr(0, base.size() + 1));
    EXPECT_EQ("\x88\xEA\r\n", testsupport::ReadFileBytes(linuxPath));
    struct stat st;
    ASSERT_EQ(0, stat(linuxPath.c_str(), &st));
    EXPECT_EQ(0600u, st.st_mode & 0777u);
    EXPECT_TRUE(DeleteFile(path));
    EXPECT_TRUE(DeleteFile(second));
}

TEST(WinFileApi, MoveFileNeverReplacesWhatIsThere)
{
    testsupport::TempFolder temp;
    testsupport::WriteFileBytes(temp.Path(u8"表.txt"), "a");
    testsupport::WriteFileBytes(temp.Path("b.txt"), "b");
    CString from(LinuxPathToWin(temp.Path(u8"表.txt")));
    CString taken(LinuxPathToWin(temp.Path("b.txt")));
    EXPECT_FALSE(MoveFile(from, taken));
    EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
    EXPECT_EQ("b", testsupport::ReadFileBytes(temp.Path("b.txt")));

    CString to(LinuxPathToWin(temp.Path("c.txt")));
    ASSERT_TRUE(MoveFile(from, to));
    EXPECT_EQ("a", testsupport::ReadFileBytes(temp.Path("c.txt")));
    EXPECT_FALSE(MoveFile(from, to + "2"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
}

// Temporary files are new empty files of their folder, named by the prefix's first three bytes, the
// number returned in hexadecimal and ".TMP"; MoveFileEx replaces a file only when told to.
TEST(WinFileApi, GetTempFileNameMakesNewFilesThatMoveFileExCanPutInPlace)
{
    testsupport::TempFolder temp;
    ASSERT_EQ(0, mkdir(temp.Path(u8"表").c_str(), 0777));
    CString folder(LinuxPathToWin(temp.Path(u8"表"))); // its last byte is a "\" of CP932
    char first[MAX_PATH], second[MAX_PATH];
    UINT number = GetTempFileName(folder, "zipper", 0, first);
    ASSERT_NE(0u, number);
    CString expected;
    expected.Format("%s\\zip%X.TMP", static_cast<LPCTSTR>(folder), number);
    EXPECT_EQ(expected, CString(first));
    ASSERT_NE(0u, GetTempFileName(folder + "\\", "zip", 0, second));
    EXPECT_NE(CString(first), CString(second));
    EXPECT_EQ("", testsupport::ReadFileBytes(WinPathToLinux(second)));

    testsupport::WriteFileBytes(WinPathToLinux(first), "whole");
    EXPECT_FALSE(MoveFileEx(first, second, 0));
    EXPECT_EQ(ERROR_ALREADY_EXISTS, GetLastError());
    EXPECT_TRUE(MoveFileEx(first, second, MOVEFILE_REPLACE_EXISTING));
    EXPECT_EQ("whole", testsupport::ReadFileBytes(WinPathToLinux(second)));
    EXPECT_FALSE(IsSameFile(first, first));

    EXPECT_EQ(0u, GetTempFileName(folder + "\\missing", "zip", 0, first));
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, GetLastError());
    EXPECT_EQ(0u, GetTempFileName(folder + "\\" + CString(std::string(MAX_PATH, 'x').c_str()), "zip", 0, first));
    EXPECT_EQ(ERROR_BUFFER_OVERFLOW, GetLastError());
}

TEST(WinFileApi, IsSameFileKnowsOneFileByAnyNameAndNothingMissing)
{
    testsupport::TempFolder temp;
    ASSERT_EQ(0, mkdir(temp.Path("sub").c_str(), 0777));
    testsupport::WriteFileBytes(temp.Path(u8"表.mdb"), "a");
    testsupport::WriteFileBytes(temp.Path("twin.mdb"), "a");
    ASSERT_EQ(0, symlink(temp.Path(u8"表.mdb").c_str(), temp.Path("link.mdb").c_str()));
    CString file(LinuxPathToWin(temp.Path(u8"表.mdb")));
    EXPECT_TRUE(IsSameFile(file, file));
    EXPECT_TRUE(IsSameFile(file, CString(LinuxPathToWin(temp.Path(u8"sub/../表.MDB")))));
    EXPECT_TRUE(IsSameFile(CString(LinuxPathToWin(temp.Path("link.mdb"))), file));
    // Equal bytes are not the same file; a missing file is no file at all.
    EXPECT_FALSE(IsSameFile(file, CString(LinuxPathToWin(temp.Path("twin.mdb")))));
    EXPECT_FALSE(
        IsSameFile(CString(LinuxPathToWin(temp.Path("none.mdb"))), CString(LinuxPathToWin(temp.Path("none.mdb")))));
}
