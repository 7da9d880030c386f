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
using testsupport::WriteFileBytes;

// Copies are whole and binary. Fail-if-exists refuses a name that anything holds, in any case;
// replacing does not; the source's own file is never written, under any of its names. A copy
// that fails leaves nothing new under its name and a file it would have replaced as it was.
TEST(CopyFile, CopiesWholeFilesAndLeavesNothingNewWhenItFails)
{
    testsupport::TempFolder folder;
    auto win = [&](const char* name) { return CString(LinuxPathToWin(folder.Path(name)).c_str()); };
    const char* map = u8"地図.bmp";
    std::string bytes = std::string("BM\r\n\x1a\0", 6) + std::string(150000, 'm'); // more than one read
    WriteFileBytes(folder.Path(map), bytes);
    WriteFileBytes(folder.Path("old.bmp"), "old");
    WriteFileBytes(folder.Path("older.bmp"), "older");
    ASSERT_EQ(0, mkdir(folder.Path("sub").c_str(), 0777));
    ASSERT_EQ(0, link(folder.Path(map).c_str(), folder.Path("linked.bmp").c_str()));
    struct {
        const char *from, *to;
        BOOL failIfExists, result;
        DWORD error;
    } cases[] = {
        {map, "new.bmp", TRUE, TRUE, ERROR_SUCCESS},
        {map, "NEW.BMP", TRUE, FALSE, ERROR_FILE_EXISTS},
        {map, "older.bmp", FALSE, TRUE, ERROR_SUCCESS},
        {map, u8"地図.BMP", FALSE, TRUE, ERROR_SUCCESS},
        {map, "linked.bmp", FALSE, TRUE, ERROR_SUCCESS},
        {map, "linked.bmp", TRUE, FALSE, ERROR_FILE_EXISTS},
        {"missing.bmp", "x.bmp", FALSE, FALSE, ERROR_FILE_NOT_FOUND},
        {map, "missing/x.bmp", FALSE, FALSE, ERROR_PATH_NOT_FOUND},
        {map, "sub", FALSE, FALSE, ERROR_ACCESS_DENIED},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.result, CopyFile(win(c.from), win(c.to), c.failIfExists)) << c.to;
        EXPECT_EQ(c.error, GetLastError()) << c.to;
    }
    {
        ziptest::FileSizeLimit limit(1000); // a medium that fills up
        EXPECT_FALSE(CopyFile(win(map), win("old.bmp"), FALSE));
        EXPECT_FALSE(CopyFile(win(map), win("cut.bmp"), TRUE));
    }
    for (const char* copy : {map, "new.bmp", "older.bmp", "linked.bmp"})
        EXPECT_EQ(bytes, ReadFileBytes(folder.Path(copy))) << copy;
    EXPECT_EQ("old", ReadFileBytes(folder.Path("old.bmp")));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"linked.bmp", "new.bmp", "old.bmp", "older.bmp", "sub", map}), names);
}
