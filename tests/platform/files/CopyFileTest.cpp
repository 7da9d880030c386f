#include "platform/core/WinError.h"
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "tests/support/TempFolder.h"
#include "tests/writers/ZipTestSupport.h"

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using testsupport::ReadFileBytes;
using testsupport::TempFolder;
using testsupport::WriteFileBytes;

namespace {

CString WinPath(const std::string& linuxPath) { return LinuxPathToWin(linuxPath).c_str(); }

// Bytes that a text-mode copy would change: line ends, Ctrl-Z and zero bytes, past one buffer.
std::string MapBytes(char seed)
{
    std::string bytes = "BM\r\n\x1a";
    bytes += std::string(1, '\0');
    for (int i = 0; bytes.size() < 150000; ++i)
        bytes += static_cast<char>(seed + i * 7);
    return bytes;
}

// The names in a folder, sorted.
std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

// Copies are whole and binary; fail-if-exists refuses any name that is held, replacing does not;
// the source's own file under any of its names is never written.
TEST(CopyFile, CopiesWholeFilesAndNeverWritesTheSourceItself)
{
    TempFolder folder;
    std::string source = folder.Path(u8"地図.bmp"), copy = folder.Path("Ksq310.bmp");
    WriteFileBytes(source, MapBytes('a'));
    EXPECT_TRUE(CopyFile(WinPath(source), WinPath(copy), TRUE));
    EXPECT_EQ(DWORD(ERROR_SUCCESS), GetLastError());
    EXPECT_EQ(MapBytes('a'), ReadFileBytes(copy));

    WriteFileBytes(source, MapBytes('b'));
    EXPECT_FALSE(CopyFile(WinPath(source), WinPath(folder.Path("KSQ310.BMP")), TRUE));
    EXPECT_EQ(DWORD(ERROR_FILE_EXISTS), GetLastError());
    EXPECT_EQ(MapBytes('a'), ReadFileBytes(copy));
    EXPECT_TRUE(CopyFile(WinPath(source), WinPath(copy), FALSE));
    EXPECT_EQ(MapBytes('b'), ReadFileBytes(copy));

    ASSERT_EQ(0, link(source.c_str(), folder.Path("linked.bmp").c_str()));
    for (const std::string& name : {source, folder.Path(u8"地図.BMP"), folder.Path("linked.bmp")}) {
        EXPECT_TRUE(CopyFile(WinPath(source), WinPath(name), FALSE)) << name;
        EXPECT_FALSE(CopyFile(WinPath(source), WinPath(name), TRUE)) << name;
        EXPECT_EQ(DWORD(ERROR_FILE_EXISTS), GetLastError());
    }
    EXPECT_EQ(MapBytes('b'), ReadFileBytes(source));
    EXPECT_EQ((std::vector<std::string>{"Ksq310.bmp", "linked.bmp", u8"地図.bmp"}), Names(folder.Path()));
}

// A copy that fails leaves nothing new under its name and a file it would have replaced as it was.
TEST(CopyFile, AFailedCopyLeavesNothingNewBehind)
{
    TempFolder folder;
    std::string source = folder.Path("map.bmp");
    WriteFileBytes(source, MapBytes('a'));
    WriteFileBytes(folder.Path("old.bmp"), "old");
    ASSERT_EQ(0, mkdir(folder.Path("sub").c_str(), 0777));

    EXPECT_FALSE(CopyFile(WinPath(folder.Path("missing.bmp")), WinPath(folder.Path("new.bmp")), FALSE));
    EXPECT_EQ(DWORD(ERROR_FILE_NOT_FOUND), GetLastError());
    EXPECT_FALSE(CopyFile(WinPath(source), WinPath(folder.Path("missing/new.bmp")), FALSE));
    EXPECT_EQ(DWORD(ERROR_PATH_NOT_FOUND), GetLastError());
    EXPECT_FALSE(CopyFile(WinPath(source), WinPath(folder.Path("sub")), FALSE));
    EXPECT_EQ(DWORD(ERROR_ACCESS_DENIED), GetLastError());
    {
        ziptest::FileSizeLimit limit(1000); // a medium that fills up
        EXPECT_FALSE(CopyFile(WinPath(source), WinPath(folder.Path("old.bmp")), FALSE));
        EXPECT_FALSE(CopyFile(WinPath(source), WinPath(folder.Path("new.bmp")), TRUE));
    }
    EXPECT_EQ("old", ReadFileBytes(folder.Path("old.bmp")));
    EXPECT_EQ(MapBytes('a'), ReadFileBytes(source));
    EXPECT_EQ((std::vector<std::string>{"map.bmp", "old.bmp", "sub"}), Names(folder.Path()));
    EXPECT_EQ((std::vector<std::string>{}), Names(folder.Path("sub")));
}
