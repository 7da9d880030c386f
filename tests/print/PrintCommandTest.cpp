// The print command: its tokens, switches and options, and the file sets the factory makes for
// the files that exist.
#include "print/MDirectPrint.h"
#include "print/MPrintFilesetCell.h"
#include "print/MPrintFilesetFactory.h"
#include "print/MPrintFilesetFortranText.h"
#include "tests/print/PrintRunSupport.h"
#include "tests/support/ScriptedUi.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

using printtest::RecordingDC;
using printtest::WriteFile;

namespace {

// A folder whose name holds a blank and Japanese, with files a.txt, b.dat, c.dat, layout.lay,
// data.kpd, layout (no extension) in my.dir. Paths in commands are written as the system writes
// them: CP932, backslashes.
class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        MPrintFilesetText::ForgetRememberedOptions();
        mkdir(temp.Path(u8"印刷 テスト").c_str(), 0700);
        mkdir(temp.Path(u8"印刷 テスト/my.dir").c_str(), 0700);
        for (const char* name : {"a.txt", "b.dat", "c.dat", "layout.lay", "data.kpd", "my.dir/layout"})
            WriteFile(temp, std::string(u8"印刷 テスト/") + name, "x\n");
    }
    void TearDown() override { MPrintFilesetText::ForgetRememberedOptions(); }

    // The folder as the system names it.
    CString Folder() const { return printtest::WinPath(temp.Path()) + "\\印刷 テスト"; }

    // The kind names and files of the file sets of the command.
    std::vector<std::string> Parse(const CString& command, int expectedResult = 1)
    {
        print.reset(new MDirectPrint(&factory, &dc));
        EXPECT_EQ(expectedResult, print->ParseCommand(command)) << (LPCTSTR)command;
        std::vector<std::string> sets;
        for (int i = 0; i < print->GetFilesetCount(); ++i) {
            MPrintFileset* fileset = print->GetFileset(i);
            CString file = fileset->GetFileName();
            if (file.Find((LPCTSTR)Folder()) == 0)
                file = "<folder>" + file.Mid(Folder().GetLength());
            sets.push_back(std::string(fileset->GetKindName()) + " " + (LPCTSTR)file);
        }
        return sets;
    }

    testsupport::TempFolder temp;
    MPrintFilesetFactory factory;
    RecordingDC dc;
    std::unique_ptr<MDirectPrint> print;
};

TEST_F(PrintCommandTest, CellSwitchWithQuotedDataFileAndLayout)
{
    EXPECT_EQ(std::vector<std::string>{"CELL形式 <folder>\\layout.lay"},
              Parse("-c\"" + Folder() + "\\data.kpd\" \"" + Folder() + "\\layout.lay\" /s"));
    auto* cell = dynamic_cast<MPrintFilesetCell*>(print->GetFileset(0));
    ASSERT_NE(nullptr, cell);
    EXPECT_EQ(Folder() + "\\data.kpd", cell->GetDataFile());
    EXPECT_EQ(1, print->GetSilent());
    EXPECT_EQ(0, print->GetOrientation());
}

TEST_F(PrintCommandTest, KindsFromSwitches)
{
    CString f = "\"" + Folder() + "\\";
    EXPECT_EQ(std::vector<std::string>{"ﾃｷｽﾄ形式 <folder>\\a.txt"}, Parse(f + "a.txt\""));
    EXPECT_EQ((std::vector<std::string>{"Fortran出力形式 <folder>\\a.txt", "ﾊﾞｲﾅﾘｰ形式 <folder>\\b.dat",
                                        "ﾊﾞｲﾅﾘｰ形式 <folder>\\c.dat"}),
              Parse("-f " + f + "a.txt\" -b " + f + "b.dat\" " + f + "c.dat\""));
    // An unknown switch selects text; runs of blanks give no empty tokens.
    EXPECT_EQ(std::vector<std::string>{"ﾃｷｽﾄ形式 <folder>\\b.dat"}, Parse("   -x    " + f + "b.dat\"   "));
    // Missing files are skipped.
    EXPECT_EQ(std::vector<std::string>{"ﾃｷｽﾄ形式 <folder>\\a.txt"}, Parse(f + "none.txt\" " + f + "a.txt\""));
}

TEST_F(PrintCommandTest, DefaultDataFileReplacesTheNamesExtensionOnly)
{
    Parse("-c \"" + Folder() + "\\layout.lay\"");
    EXPECT_EQ(Folder() + "\\layout.kpd", static_cast<MPrintFilesetCell*>(print->GetFileset(0))->GetDataFile());
    Parse("-c \"" + Folder() + "\\my.dir\\layout\"");
    EXPECT_EQ(Folder() + "\\my.dir\\layout.kpd", static_cast<MPrintFilesetCell*>(print->GetFileset(0))->GetDataFile());

    struct Case {
        const char* layout;
        const char* data;
    } cases[] = {
        {"C:\\a\\b.c\\name", "C:\\a\\b.c\\name.kpd"},
        {"name", "name.kpd"},
        {"a/b.c/name.txt", "a/b.c/name.kpd"},
        {"C:\\表\\x.lay", "C:\\表\\x.kpd"},
        {"C:\\dir\\.lay", "C:\\dir\\.kpd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.data), MPrintFilesetFactory::DefaultDataFile(c.layout)) << c.layout;
}

TEST_F(PrintCommandTest, OptionsOfTheCommand)
{
    CString file = " \"" + Folder() + "\\a.txt\"";
    Parse("/p /l" + file);
    EXPECT_EQ(1, print->GetOrientation());
    Parse("/l /P" + file);
    EXPECT_EQ(1, print->GetOrientation());
    Parse("/l /p" + file);
    EXPECT_EQ(0, print->GetOrientation());
    EXPECT_EQ(0, print->GetSilent());
    Parse("/S" + file);
    EXPECT_EQ(0, print->GetSilent());
}

TEST_F(PrintCommandTest, SwitchOptionsGoToTheTextFileset)
{
    Parse("-tl_60_s_9 \"" + Folder() + "\\a.txt\"");
    auto* text = dynamic_cast<MPrintFilesetText*>(print->GetFileset(0));
    ASSERT_NE(nullptr, text);
    EXPECT_EQ(60, text->GetLinesPerPage());
    EXPECT_EQ(9.0, text->GetFontSize());
}

TEST_F(PrintCommandTest, OnlyMissingFilesGiveNothingToPrint)
{
    EXPECT_TRUE(Parse("-t missing.txt \"" + Folder() + "\\none\" /s", 0).empty());
    EXPECT_TRUE(Parse("", 0).empty());
    EXPECT_TRUE(Parse("/s -t", 0).empty());
    ScriptedUi ui;
    print->PrintAll();
    EXPECT_TRUE(dc.events.empty());
}

TEST_F(PrintCommandTest, LongPathsAndTokensStayWhole)
{
    std::string name(240, 'n');
    WriteFile(temp, name + ".txt", "x\n");
    CString path = printtest::WinPath(temp.Path()) + "\\" + name.c_str() + ".txt";
    ASSERT_GT(path.GetLength(), 255);
    EXPECT_EQ(std::vector<std::string>{"ﾃｷｽﾄ形式 " + std::string(path)}, Parse("\"" + path + "\""));
    // A wildcard counts as an existing file and is kept as written.
    CString pattern = Folder() + "\\*.dat";
    EXPECT_EQ(std::vector<std::string>{"ﾊﾞｲﾅﾘｰ形式 <folder>\\*.dat"}, Parse("-b \"" + pattern + "\""));
}

TEST(PrintFilesetFactory, KindNamesAndSwitches)
{
    MPrintFilesetFactory factory;
    EXPECT_STREQ("ﾊﾞｲﾅﾘｰ形式", factory.KindName(0));
    EXPECT_STREQ("ﾃｷｽﾄ形式", factory.KindName(1));
    EXPECT_STREQ("Fortran出力形式", factory.KindName(2));
    EXPECT_STREQ("CELL形式", factory.KindName(3));
    EXPECT_EQ(nullptr, factory.KindName(4));
    EXPECT_EQ(nullptr, factory.KindName(-1));
    struct Case {
        const char* token;
        int kind;
    } cases[] = {{"-b", 0}, {"-t", 1}, {"-f", 2}, {"-c", 3}, {"-cdata.kpd", 3}, {"-B", 1},
                 {"-", 1},  {"", 1},   {"-x", 1}, {"b", 1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.kind, factory.KindFromSwitch(c.token)) << c.token;
    EXPECT_EQ(1, factory.KindFromSwitch(nullptr));
    EXPECT_EQ(nullptr, factory.Create("x", 4, ""));
    EXPECT_EQ(nullptr, factory.CreateFromArgument("/no/such/file", "-t"));
}

} // namespace
