#include "platform/files/CFileFind.h"
#include "platform/files/WinDrive.h"
#include "tests/support/TabbedCases.h"
#include "tests/support/TempFolder.h"

#include <sys/stat.h>

using testsupport::TempFolder;

namespace {

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

    // Every match of the pattern, as "name" or "name/" for a folder, or the error of none.
    static CString FindAll(LPCTSTR pattern)
    {
        CFileFind finder;
        if (!finder.FindFile(pattern))
            return ("error " + std::to_string(GetLastError())).c_str();
        CString found;
        for (BOOL more = TRUE; more;) {
            more = finder.FindNextFile();
            found += (found.IsEmpty() ? "" : "|") + finder.GetFileName() + (finder.IsDirectory() ? "/" : "");
        }
        return found;
    }

    TempFolder m_folder;
};

} // namespace

TEST_F(CFileFindTest, MatchesWildcardsIgnoringCaseInNameOrder)
{
    for (const std::vector<CString>& c : testsupport::ReadTabbedCases("platform/file_find.tsv"))
        EXPECT_EQ(c[1], FindAll(c[0])) << c[0];
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
    // Only the folder's own entries are dots, not a folder in it.
    ASSERT_TRUE(finder.FindFile("F:\\Dir\\*"));
    finder.FindNextFile();
    EXPECT_TRUE(finder.IsDots());
    ASSERT_TRUE(finder.FindFile("F:\\Dir\\sub"));
    finder.FindNextFile();
    EXPECT_FALSE(finder.IsDots());
}
