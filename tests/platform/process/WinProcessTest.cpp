#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/core/WinError.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinPath.h"
#include "platform/process/WinProcess.h"

#include <sys/stat.h>

using testsupport::ReadFileBytes;
using testsupport::TempFolder;
using testsupport::WriteFileBytes;

namespace {

// A program that writes its arguments, one per line, to args.txt beside itself.
const char kEcho[] = "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$(dirname \"$0\")/args.txt\"\n";

class CreateProcessTest : public ::testing::Test {
protected:
    CreateProcessTest() { SetDriveFolder('C', m_folder.Path()); }
    ~CreateProcessTest() override { ResetDriveTable(); }

    void InstallEcho(const std::string& relative)
    {
        WriteFileBytes(m_folder.Path(relative), kEcho);
        chmod(m_folder.Path(relative).c_str(), 0755);
    }

    // Runs the command line and waits for it; FALSE when it could not be started.
    BOOL Run(const char* applicationName, std::string commandLine)
    {
        STARTUPINFO startup;
        GetStartupInfo(&startup);
        PROCESS_INFORMATION process;
        if (!CreateProcess(applicationName, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &process))
            return FALSE;
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, INFINITE));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hProcess, 0));
        EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(process.hThread, INFINITE));
        EXPECT_TRUE(CloseHandle(process.hThread));
        EXPECT_TRUE(CloseHandle(process.hProcess));
        EXPECT_FALSE(CloseHandle(process.hProcess));
        return TRUE;
    }

    TempFolder m_folder;
};

} // namespace

TEST_F(CreateProcessTest, AnExeNameRunsTheProgramBesideItWithItsArgumentsForLinux)
{
    mkdir(m_folder.Path("my app").c_str(), 0777);
    InstallEcho("my app/tool");
    // Unquoted, the name with a blank is found by trying the words one by one.
    ASSERT_TRUE(Run(nullptr, "C:\\my app\\tool.exe \"C:\\out dir\\表.xml\" plain \"two words\""));
    EXPECT_EQ(m_folder.Path(u8"out dir/表.xml") + "\nplain\ntwo words\n",
              ReadFileBytes(m_folder.Path("my app/args.txt")));

    ASSERT_TRUE(Run(nullptr, "\"C:\\my app\\TOOL.EXE\" one"));
    EXPECT_EQ("one\n", ReadFileBytes(m_folder.Path("my app/args.txt")));

    ASSERT_TRUE(Run("C:\\my app\\tool.exe", "tool.exe first second"));
    EXPECT_EQ("first\nsecond\n", ReadFileBytes(m_folder.Path("my app/args.txt")));

    // A drive alone is its root folder; a letter with more after the colon is no path.
    ASSERT_TRUE(Run(nullptr, "C:\\my app\\tool.exe \"C:\" C:x"));
    EXPECT_EQ(WinPathToLinux("C:\\") + "\nC:x\n", ReadFileBytes(m_folder.Path("my app/args.txt")));
}

TEST_F(CreateProcessTest, AMissingProgramFailsAsWindowsDoes)
{
    PROCESS_INFORMATION untouched{reinterpret_cast<HANDLE>(1), reinterpret_cast<HANDLE>(2), 3, 4};
    STARTUPINFO startup;
    GetStartupInfo(&startup);
    EXPECT_EQ(sizeof startup, startup.cb);
    std::string commandLine = "C:\\nowhere\\txt2xml.exe \"a\" \"a\"";
    SetLastError(0);
    EXPECT_FALSE(
        CreateProcess(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &untouched));
    EXPECT_EQ(static_cast<DWORD>(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_EQ(reinterpret_cast<HANDLE>(1), untouched.hProcess);
    EXPECT_EQ(WAIT_FAILED, WaitForSingleObject(untouched.hProcess, INFINITE));
    EXPECT_FALSE(CloseHandle(nullptr));
}
