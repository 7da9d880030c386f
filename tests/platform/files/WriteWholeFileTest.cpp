// A file written whole takes its name, replacing what was there; one that a full disk cuts off leaves
// what was there byte for byte and no temporary file beside it. So in a folder whose Windows path is
// longer than MAX_PATH, as in a short one.
#include "platform/files/WinFileApi.h"
#include "platform/files/WinPath.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

TEST(WriteWholeFile, ReplacesAFileOnlyWithOneWrittenWhole)
{
    testsupport::TempFolder temp;
    const std::string shortFolder = temp.Path(u8"南町の家");
    // Six names of 91 CP932 bytes each, one in the other: a Windows path of more than 540 bytes.
    std::string longFolder = temp.Path("");
    for (int depth = 0; depth < 6; ++depth)
        longFolder += (depth ? "/" : "") + std::string(u8"深い階層の物件フォルダ名") + std::to_string(depth) +
                      std::string(u8"の中にある長い長い長い長い長い長い長い長い長い長い長い長い長い長い");
    ASSERT_GT(LinuxPathToWin(longFolder).size(), size_t(MAX_PATH));
    const std::string earlier = std::string("BM of the earlier document\0\r\n", 29);
    const std::string later = std::string(100000, 'L');
    const mode_t umaskOfProcess = umask(0);
    umask(umaskOfProcess);
    const struct {
        const char* name;
        bool there; // a file of the name is there before, holding earlier
        bool diskFull;
        bool written;
    } cases[] = {
        {"new.bmp", false, false, true},
        {"replaced.bmp", true, false, true},
        {"kept.bmp", true, true, false},
        {"never.bmp", false, true, false},
    };
    for (const std::string& folder : {shortFolder, longFolder}) {
        SCOPED_TRACE(folder.size());
        std::filesystem::create_directories(folder);
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            if (c.there)
                WriteFileBytes(folder + "/" + c.name, earlier);
            CString path(LinuxPathToWin(folder + "/" + c.name));
            {
                testsupport::FileSizeLimit limit(c.diskFull ? later.size() - 1 : RLIM_INFINITY);
                EXPECT_EQ(c.written, WriteWholeFile(path, later.data(), later.size()) != FALSE);
            }
            if (c.written || c.there) {
                EXPECT_EQ(c.written ? later : earlier, ReadFileBytes(folder + "/" + c.name));
            }
            struct stat written;
            if (c.written && stat((folder + "/" + c.name).c_str(), &written) == 0) {
                EXPECT_EQ(0666u & ~umaskOfProcess, written.st_mode & 0777u); // as any new file
            }
        }
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.is_regular_file())
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        EXPECT_EQ((std::vector<std::string>{"kept.bmp", "new.bmp", "replaced.bmp"}), names);
    }
}
