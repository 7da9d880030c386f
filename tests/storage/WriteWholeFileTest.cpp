// A file written whole takes its name, replacing what was there; one that a full disk cuts off leaves
// what was there byte for byte and no temporary file beside it.
#include "tests/support/FaultyReads.h"
#include "tests/support/TempFolder.h"

#include "platform/files/WinPath.h"
#include "storage/ZnWriteWholeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

TEST(ZnWriteWholeFile, ReplacesAFileOnlyWithOneWrittenWhole)
{
    testsupport::TempFolder temp;
    const std::string folder = temp.Path(u8"南町の家");
    std::filesystem::create_directory(folder);
    const std::string earlier = std::string("BM of the earlier document\0\r\n", 29);
    const std::string later = "BM of the later one";
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.there)
            WriteFileBytes(folder + "/" + c.name, earlier);
        if (c.diskFull)
            faultywrites::Plant(folder);
        EXPECT_EQ(c.written, ZnWriteWholeFile(CString(LinuxPathToWin(folder)),
                                              CString(LinuxPathToWin(folder + "/" + c.name)), later));
        faultywrites::Plant(std::string());
        if (c.written || c.there) {
            EXPECT_EQ(c.written ? later : earlier, ReadFileBytes(folder + "/" + c.name));
        }
    }
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"kept.bmp", "new.bmp", "replaced.bmp"}), names);
}
