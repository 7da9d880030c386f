// The writes that go through a temporary file beside their target (CopyFile, WriteWholeFile, and
// the printer's ReplaceWithCopy) write into a folder that an ordinary user may write and enter but
// not list, and past every name another user could take ahead of them.
#include "platform/files/PosixIo.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

namespace {

const uid_t kOrdinaryUser = 65534;

// Runs the three writes into folder (each named by what it writes) in a child process that, when
// the test runs as root, gives up root for an ordinary user who owns the folder; the bits of the
// writes that failed.
int WritesThatFailAsAnOrdinaryUser(const std::string& source, const std::string& folder)
{
    const bool root = geteuid() == 0;
    if (root && chown(folder.c_str(), kOrdinaryUser, kOrdinaryUser) != 0)
        return -1;
    pid_t child = fork();
    if (child == 0) {
        if (root && (setgroups(0, nullptr) != 0 || setgid(kOrdinaryUser) != 0 || setuid(kOrdinaryUser) != 0))
            _exit(64);
        const std::string bytes = "whole";
        int failed = 0;
        if (!CopyFile(CString(LinuxPathToWin(source).c_str()), CString(LinuxPathToWin(folder + "/copy").c_str()), TRUE))
            failed |= 1;
        if (!WriteWholeFile(CString(LinuxPathToWin(folder + "/whole").c_str()), bytes.data(), bytes.size()))
            failed |= 2;
        if (!ReplaceWithCopy(source, folder + "/printed"))
            failed |= 4;
        _exit(failed);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(WriteThroughTemporary, WritesIntoAFolderThatCannotBeListed)
{
    testsupport::TempFolder temp;
    ASSERT_EQ(0, chmod(temp.Path().c_str(), 0711));
    WriteFileBytes(temp.Path("source"), "copied");
    ASSERT_EQ(0, chmod(temp.Path("source").c_str(), 0644));
    const std::string drop = temp.Path("drop");
    ASSERT_EQ(0, mkdir(drop.c_str(), 0300));
    ASSERT_EQ(0, chmod(drop.c_str(), 0300));
    EXPECT_EQ(0, WritesThatFailAsAnOrdinaryUser(temp.Path("source"), drop));
    ASSERT_EQ(0, chmod(drop.c_str(), 0700));
    EXPECT_EQ("copied", ReadFileBytes(drop + "/copy"));
    EXPECT_EQ("whole", ReadFileBytes(drop + "/whole"));
    EXPECT_EQ("copied", ReadFileBytes(drop + "/printed"));
}

// Names of the temporary files that a counter would give next, taken by someone else first.
TEST(WriteThroughTemporary, WritesPastNamesTakenAhead)
{
    testsupport::TempFolder temp;
    const std::string pid = std::to_string(getpid());
    for (int n = 0; n < 3000; ++n)
        WriteFileBytes(temp.Path(".~" + pid + "." + std::to_string(n)), "");
    WriteFileBytes(temp.Path("source"), "copied");
    for (int round = 0; round < 3; ++round) {
        const std::string bytes = "round " + std::to_string(round);
        EXPECT_TRUE(WriteWholeFile(CString(LinuxPathToWin(temp.Path("whole")).c_str()), bytes.data(), bytes.size()));
        EXPECT_EQ(bytes, ReadFileBytes(temp.Path("whole")));
        EXPECT_TRUE(ReplaceWithCopy(temp.Path("source"), temp.Path("printed")));
    }
    EXPECT_EQ("copied", ReadFileBytes(temp.Path("printed")));
}
