#include "platform/files/CStdioFile.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

using testsupport::Hex;
using testsupport::ReadFileBytes;
using testsupport::ReadHexFixture;
using testsupport::TempFolder;
using testsupport::WriteFileBytes;

namespace {

CString WinPath(const std::string& linuxPath) { return CString(LinuxPathToWin(linuxPath)); }

std::vector<std::string> ReadLines(CStdioFile& file)
{
    std::vector<std::string> lines;
    CString line;
    while (file.ReadString(line))
        lines.push_back(line.Bytes());
    file.Close();
    return lines;
}

std::vector<std::string> ReadLines(const std::string& linuxPath)
{
    CStdioFile file(WinPath(linuxPath), CFile::modeRead);
    return ReadLines(file);
}

} // namespace

// The same bytes through CStdioFile and through a stream of WinFopen, which appends.
TEST(TextFile, WritesLineEndsAsCrLf)
{
    TempFolder folder;
    CString path = WinPath(folder.Path("out.txt"));
    {
        CStdioFile file(path, CFile::modeCreate | CFile::modeWrite);
        file.WriteString("第1行\n表示\n\nend");
        EXPECT_EQ(18u, file.GetLength()); // the bytes on disk, CR LF counted
    }
    FILE* more = WinFopen(path, "a");
    ASSERT_NE(nullptr, more);
    fprintf(more, "\n%s\n", "more");
    ASSERT_EQ(0, fclose(more));
    EXPECT_EQ(Hex(ReadHexFixture("text/CrLfWritten.hex")), Hex(ReadFileBytes(folder.Path("out.txt"))));
}

TEST(TextFile, ReadsCrLfAsLfAndStopsAtCtrlZ)
{
    TempFolder folder;
    WriteFileBytes(folder.Path("in.txt"), ReadHexFixture("text/CrLfRead.hex"));
    std::vector<std::string> expected = {"a", "b\rc", "", "", "\x95\x5c", "last"};
    EXPECT_EQ(expected, ReadLines(folder.Path("in.txt")));
    // A stream over the same bytes held in memory reads them alike.
    CStdioFile memory;
    memory.m_pStream = WinOpenTextBytes(ReadHexFixture("text/CrLfRead.hex"));
    EXPECT_EQ(expected, ReadLines(memory));
    // Binary mode hands out the bytes as they are.
    FILE* raw = WinFopen(WinPath(folder.Path("in.txt")), "rb");
    ASSERT_NE(nullptr, raw);
    char buffer[64];
    EXPECT_EQ(ReadHexFixture("text/CrLfRead.hex").size(), fread(buffer, 1, sizeof buffer, raw));
    fclose(raw);
}

// A CR LF split between two reads from the disk is still one line end, wherever it falls.
TEST(TextFile, CrLfAcrossReadBlocksIsOneLineEnd)
{
    TempFolder folder;
    for (size_t length = 4090; length <= 4100; ++length) {
        WriteFileBytes(folder.Path("long.txt"), std::string(length, 'x') + "\r\ny\r\n");
        std::vector<std::string> expected = {std::string(length, 'x'), "y"};
        ASSERT_EQ(expected, ReadLines(folder.Path("long.txt"))) << length;
    }
}

TEST(TextFile, FailuresGiveTheWin32Code)
{
    EXPECT_EQ(nullptr, WinFopen("Q:\\nowhere.txt", "w"));
    EXPECT_EQ(ERROR_PATH_NOT_FOUND, GetLastError());
    TempFolder folder;
    EXPECT_EQ(nullptr, WinFopen(WinPath(folder.Path("x.txt")), "x"));
    CStdioFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(WinPath(folder.Path("missing.txt")), CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
}
