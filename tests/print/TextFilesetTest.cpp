// Text and Fortran text files printed onto pages: page breaks, carriage control and the
// remembered options.
#include "print/MPrintFilesetFactory.h"
#include "print/MPrintFilesetFortranText.h"
#include "tests/print/PrintRunSupport.h"

#include <gtest/gtest.h>

using printtest::RecordingDC;

namespace {

class TextFilesetTest : public ::testing::Test {
protected:
    void SetUp() override { MPrintFilesetText::ForgetRememberedOptions(); }
    void TearDown() override { MPrintFilesetText::ForgetRememberedOptions(); }

    // The texts of each page, in order, joined by "|".
    std::vector<std::string> Pages(MPrintFileset& fileset)
    {
        dc.events.clear();
        dc.ClearRecords();
        EXPECT_EQ(1, fileset.Begin(&dc, 0));
        EXPECT_EQ(1, fileset.Print());
        fileset.Finish();
        std::vector<std::vector<std::string>> lines;
        for (const std::string& event : dc.events) {
            if (event == "StartPage")
                lines.emplace_back();
            else if (event.compare(0, 8, "TextOut(") == 0)
                lines.back().push_back(event.substr(event.find('"') + 1, event.rfind('"') - event.find('"') - 1));
        }
        std::vector<std::string> pages;
        for (const auto& page : lines) {
            pages.emplace_back();
            for (size_t i = 0; i < page.size(); ++i)
                pages.back() += (i ? "|" : "") + page[i];
        }
        EXPECT_EQ(dc.Count("StartPage"), dc.Count("EndPage"));
        return pages;
    }

    CString File(const std::string& bytes) { return printtest::WinPath(printtest::WriteFile(temp, "f.txt", bytes)); }

    testsupport::TempFolder temp;
    RecordingDC dc;
};

TEST_F(TextFilesetTest, PagesOfLines)
{
    std::string text;
    for (int i = 1; i <= 150; ++i)
        text += std::to_string(i) + "\n";
    MPrintFilesetText fileset(File(text), "");
    std::vector<std::string> pages = Pages(fileset);
    ASSERT_EQ(3u, pages.size());
    EXPECT_EQ(0u, pages[0].find("1|2|3|"));
    EXPECT_EQ(std::string::npos, pages[0].find("|67"));
    EXPECT_EQ(0u, pages[1].find("67|68|"));
    EXPECT_EQ(std::string::npos, pages[1].find("|133"));
    EXPECT_EQ(0u, pages[2].find("133|"));
    EXPECT_EQ(18, (int)std::count(pages[2].begin(), pages[2].end(), '|') + 1);
    // y starts again on each page: the first line of a page at (0, 0), the next 200 twips lower.
    std::vector<std::string> afterStart;
    const std::vector<DcRecord>& records = dc.GetRecords();
    for (size_t i = 1; i + 1 < records.size(); ++i)
        if (records[i - 1].call == "StartPage")
            afterStart.push_back(records[i].Call() + " " + records[i + 1].Call());
    EXPECT_EQ((std::vector<std::string>{"TextOut(0,0,\"1\",1) TextOut(0,-200,\"2\",1)",
                                        "TextOut(0,0,\"67\",2) TextOut(0,-200,\"68\",2)",
                                        "TextOut(0,0,\"133\",3) TextOut(0,-200,\"134\",3)"}),
              afterStart);
}

TEST_F(TextFilesetTest, PageSetUpAndLinePositions)
{
    MPrintFilesetText fileset(File("one\n\nthree\tx\n"), "");
    Pages(fileset);
    const std::vector<DcRecord>& records = dc.GetRecords();
    std::vector<std::string> texts;
    for (const DcRecord& record : records)
        if (record.call == "TextOut")
            texts.push_back(record.Call() + " " + printtest::Format("device (%g, %g)", record.device[0].x,
                                                                     record.device[0].y));
    // 10 points is 200 twips; the origin 20 mm from the paper's corner less the offsets (100, 120);
    // a tab stop every eight average widths (100 twips each).
    EXPECT_EQ((std::vector<std::string>{"TextOut(0,0,\"one\",3) device (372, 352)",
                                        "TextOut(0,-400,\"three\",5) device (372, 519)",
                                        "TextOut(800,-400,\"x\",1) device (705, 519)"}),
              texts);
    const DcState& state = records.at(2).state;
    EXPECT_EQ(MM_TWIPS, state.mapMode);
    EXPECT_EQ(-200, state.font.lfHeight);
    EXPECT_EQ(0, state.font.lfWidth);
    EXPECT_EQ(0, state.font.lfWeight);
    EXPECT_EQ(DEFAULT_CHARSET, state.font.lfCharSet);
    EXPECT_EQ(FIXED_PITCH, state.font.lfPitchAndFamily);
    EXPECT_STREQ("ＭＳ 明朝", state.font.lfFaceName);
    // The device context has its own font back when the document ends.
    EXPECT_NE(-200, dc.GetState().font.lfHeight);

    MPrintFilesetText flush(File("a\n"), "x_0_y_0_s_9");
    Pages(flush);
    const DcRecord& text = dc.GetRecords().at(2);
    EXPECT_EQ("TextOut(0,0,\"a\",1)", text.Call());
    EXPECT_EQ(0, text.device[0].x);
    EXPECT_EQ(0, text.device[0].y);
    EXPECT_EQ(-180, text.state.font.lfHeight);
}

TEST_F(TextFilesetTest, FormFeedsAndTrailingBlanks)
{
    struct Case {
        const char* file;
        std::vector<std::string> pages;
    } cases[] = {
        {"", {""}},
        {"a\nb\n", {"a|b"}},
        {"\fa\nb\n", {"", "a|b"}},
        {"a \t\n\fb  \nc\n", {"a", "b|c"}},
        {"a\nb\fc\n", {"a|b\fc"}},
        {"\f\f\n", {"", ""}},
    };
    for (const Case& c : cases) {
        MPrintFilesetText fileset(File(c.file), "");
        EXPECT_EQ(c.pages, Pages(fileset)) << c.file;
    }
}

TEST_F(TextFilesetTest, FortranCarriageControl)
{
    struct Case {
        const char* file;
        std::vector<std::string> pages;
    } cases[] = {
        {"1title\n one\n0two\n+three\n1next\n four  \n", {"", "title|one|two|three", "next|four"}},
        {" a\n\fb\n", {"a", "b"}},
        {"\n x\n", {"x"}},
    };
    for (const Case& c : cases) {
        MPrintFilesetFortranText fileset(File(c.file), "");
        EXPECT_EQ(c.pages, Pages(fileset)) << c.file;
    }
}

TEST_F(TextFilesetTest, OptionsAreRememberedPerKind)
{
    MPrintFilesetText first("a", "s_9_l_60");
    EXPECT_EQ(60, first.GetLinesPerPage());
    EXPECT_EQ(9.0, first.GetFontSize());
    MPrintFilesetText later("a", nullptr);
    EXPECT_EQ(60, later.GetLinesPerPage());
    EXPECT_EQ(9.0, later.GetFontSize());
    MPrintFilesetFortranText fortran("a", "");
    EXPECT_EQ(66, fortran.GetLinesPerPage());
    EXPECT_EQ(10.0, fortran.GetFontSize());
    MPrintFilesetFortranText fortranSet("a", "l_20");
    MPrintFilesetText text("a", "");
    EXPECT_EQ(60, text.GetLinesPerPage());
    EXPECT_EQ(20, MPrintFilesetFortranText("a", "").GetLinesPerPage());
}

TEST_F(TextFilesetTest, OptionWords)
{
    struct Case {
        const char* options;
        int lines;
        const char* face;
        double size, left, top;
    } cases[] = {
        {"", 66, "ＭＳ 明朝", 10, 20, 20},
        {"l_60%s_9", 60, "ＭＳ 明朝", 9, 20, 20},
        {"x_0_y_0", 66, "ＭＳ 明朝", 10, 0, 0},
        {"__l__12__", 12, "ＭＳ 明朝", 10, 20, 20},
        {"l_0", 66, "ＭＳ 明朝", 10, 20, 20},
        {"l_-5", 66, "ＭＳ 明朝", 10, 20, 20},
        {"q_l_30", 30, "ＭＳ 明朝", 10, 20, 20},
        {"s", 66, "ＭＳ 明朝", 10, 20, 20},
        {"f_ＭＳ ゴシック_s_8.5", 66, "ＭＳ ゴシック", 8.5, 20, 20},
        // ダ and 点 hold the byte '_' as their second byte.
        {"f_ダ点フォント_l_50", 50, "ダ点フォント", 10, 20, 20},
        {"L_30", 66, "ＭＳ 明朝", 10, 20, 20},
    };
    for (const Case& c : cases) {
        MPrintFilesetText::ForgetRememberedOptions();
        MPrintFilesetText fileset("a", c.options);
        EXPECT_EQ(c.lines, fileset.GetLinesPerPage()) << c.options;
        EXPECT_EQ(CString(c.face), fileset.GetFontFace()) << c.options;
        EXPECT_EQ(c.size, fileset.GetFontSize()) << c.options;
        EXPECT_EQ(c.left, fileset.GetLeftMargin()) << c.options;
        EXPECT_EQ(c.top, fileset.GetTopMargin()) << c.options;
    }
    std::string longFace(400, 'F');
    MPrintFilesetText fileset("a", ("f_" + longFace + "_l_9").c_str());
    EXPECT_EQ(CString(longFace.c_str()), fileset.GetFontFace());
    EXPECT_EQ(9, fileset.GetLinesPerPage());
    EXPECT_EQ(-INT32_MAX - 1, MPrintFilesetText("a", "s_1e300").GetLogFont().lfHeight);
}

TEST_F(TextFilesetTest, MissingFileBeginsNothing)
{
    MPrintFilesetText fileset(printtest::WinPath(temp.Path("none.txt")), "");
    EXPECT_EQ(0, fileset.Begin(&dc, 0));
    EXPECT_EQ(0, fileset.Print());
    fileset.Finish();
    EXPECT_TRUE(dc.events.empty());
    EXPECT_EQ(0, MPrintFilesetText("x", "").Begin(nullptr, 0));
}

} // namespace
