#include "tests/app/ShellTestSupport.h"
#include "tests/support/TabbedCases.h"

#include "platform/files/WinPath.h"
#include "shell/FilterChars.h"

#include <sys/stat.h>

using testsupport::ReadFileBytes;
using testsupport::WriteFileBytes;

TEST(FilterChars, RemovesSingleByteCharactersOfTheSetAndKeepsDoubleByteOnesWhole)
{
    for (const auto& c : testsupport::ReadTabbedCases("app/filter_chars.txt")) {
        CString text = c.at(0);
        EXPECT_EQ(atoi(c.at(3)), FilterChars(text, c.at(1))) << c.at(0);
        EXPECT_EQ(c.at(2), text) << c.at(0);
    }
    // A lone lead byte at the end goes; no set changes nothing.
    CString text = "ab\x82";
    EXPECT_EQ(1, FilterChars(text, "|"));
    EXPECT_EQ(0, FilterChars(text, nullptr));
    EXPECT_EQ("ab", text);
}

namespace {

// A converter that writes its two arguments, one per line, beside itself.
const char kConverter[] = "#!/bin/sh\nprintf '%s\\n%s\\n' \"$1\" \"$2\" >> \"$(dirname \"$0\")/runs.txt\"\n";

using RunTxt2Xml = ShellTest;

} // namespace

TEST_F(RunTxt2Xml, RunsTheConverterOnTheFileTwiceAndWaitsForIt)
{
    MakeFolders({"app dir", "out dir"});
    WriteFileBytes(m_folder.Path("app dir/txt2xml"), kConverter);
    chmod(m_folder.Path("app dir/txt2xml").c_str(), 0755);
    m_app.SetAppFolder(Windows("app dir"));
    m_app.RunTxt2Xml(Windows("out dir") + "\\申請書データ.xml");
    std::string file = m_folder.Path(u8"out dir/申請書データ.xml");
    EXPECT_EQ(file + "\n" + file + "\n", ReadFileBytes(m_folder.Path("app dir/runs.txt")));

    // Through the shell state, with a file name that is not a full path.
    ZnShellState::Current()->RunTxt2Xml("Keikaku\\~002.xml");
    EXPECT_EQ(file + "\n" + file + "\nKeikaku\\~002.xml\nKeikaku\\~002.xml\n",
              ReadFileBytes(m_folder.Path("app dir/runs.txt")));
}

TEST_F(RunTxt2Xml, AMissingConverterChangesNothing)
{
    MakeFolders({"app"});
    m_app.SetAppFolder(Windows("app"));
    m_app.RunTxt2Xml(Windows("out.xml"));
    EXPECT_TRUE(m_ui.messageBoxes.empty());
    struct stat status;
    EXPECT_NE(0, stat(m_folder.Path("app/runs.txt").c_str(), &status));
}
