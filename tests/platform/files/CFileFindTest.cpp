#include "platform/files/CFileFind.h"
#include "platform/files/WinDrive.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include <sys/stat.h>

using testsupport::TempFolder;

namespace {

const char kSoHyou[] = "\x83\x5c\x95\x5c.txt"; // ソ表.txt
const char kHyouSo[] = "\x95\x5c\x83\x5c.txt"; // 表ソ.txt

class CFileFindTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDriveFolder('F', m_folder.Path());
        ASSERT_EQ(0, mkdir(m_folder.Path("Dir").c_str(), 0700));
        ASSERT_EQ(0, mkdir(m_folder.Path("Dir/sub").c_str(), 0700));
        for (const char* name : {"Report.TXT", "data.txt", u8"表ソ.txt", "readme", u8"ソ表.txt"})
            testsupport::WriteFileBytes(m_folder.Path(std::string("Dir/") + name), "12345");
    }
    void TearDown() override { ResetDriveTable(); }

    // Every match of the pattern, as "name" or "name/" for a folder.
    static std::vector<std::string> FindAll(LPCTSTR pattern)
    {
        CFileFind finder;
        std::vector<std::string> found;
        BOOL more = finder.FindFile(pattern);
        while (more) {
            more = finder.FindNextFile();
            found.push_back(finder.GetFileName().Bytes() + (finder.IsDirectory() ? "/" : ""));
        }
        return found;
    }

    TempFolder m_folder;
};

} // namespace

TEST_F(CFileFindTest, MatchesWildcardsIgnoringCaseInNameOrder)
{
    std::vector<std::string> txt = {"data.txt", "Report.TXT", kSoHyou, kHyouSo};
    EXPECT_EQ(txt, FindAll("F:\\dir\\*.txt"));
    std::vector<std::string> all = {"./", "../", "data.txt", "readme", "Report.TXT", "sub/", kSoHyou, kHyouSo};
    EXPECT_EQ(all, FindAll("F:\\DIR\\*.*"));
    // "?" takes a double-byte character whole; the 5C trail byte of ソ is no separator.
    EXPECT_EQ(std::vector<std::string>{kHyouSo}, FindAll("F:\\Dir\\?ソ.TXT"));
    EXPECT_EQ((std::vector<std::string>{kSoHyou, kHyouSo}), FindAll("F:\\Dir\\*ソ*"));
    EXPECT_EQ(std::vector<std::string>{"readme"}, FindAll("F:\\Dir\\README.*"));
    EXPECT_EQ(std::vector<std::string>{"Report.TXT"}, FindAll("F:\\Dir\\r*t.t?t"));
}

TEST_F(CFileFindTest, GivesTheCurrentMatchAndReportsFailures)
{
    CFileFind finder;
    ASSERT_TRUE(finder.FindFile("F:\\Dir\\REPORT.txt"));
    EXPECT_FALSE(finder.FindNextFile()); // the only match is the last one, and current
    EXPECT_EQ("F:\\Dir\\Report.TXT", finder.GetFilePath());
    EXPECT_EQ("Report", finder.GetFileTitle());
    EXPECT_EQ(5u, finder.GetLength());
    EXPECT_FALSE(finder.IsDots());
    EXPECT_FALSE(finder.FindFile("F:\\Dir\\*.doc"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
    EXPECT_FALSE(finder.FindFile("F:\\Nowhere\\*.*"));
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, GetLastError());
    EXPECT_FALSE(finder.FindFile("F:\\Dir\\表ソ"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
    EXPECT_FALSE(finder.FindFile("F:\\Dir\\Report"));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, GetLastError());
    // A name without wildcards, in another case.
    EXPECT_EQ(std::vector<std::string>{kHyouSo}, FindAll("F:\\Dir\\表ソ.TxT"));
    EXPECT_EQ(std::vector<std::string>{"sub/"}, FindAll("F:\\DIR\\SUB"));
    // Only the folder's own entries are dots, not a folder in it.
    ASSERT_TRUE(finder.FindFile("F:\\Dir\\*"));
    finder.FindNextFile();
    EXPECT_TRUE(finder.IsDots());
    ASSERT_TRUE(finder.FindFile("F:\\Dir\\sub"));
    finder.FindNextFile();
    EXPECT_FALSE(finder.IsDots());
}
