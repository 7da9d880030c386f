// Files of the print command printed into PDF files by the cairo device context, read back with
// poppler's tools: the check-result list of two pages, its texts in order, the title where the
// layout puts it and the font embedded; a text file of three pages. The pages are kept as
// pictures in the artefacts.
#include "platform/gdi/CCairoDC.h"
#include "print/MPrintFilesetCell.h"
#include "print/MPrintFilesetText.h"
#include "tests/print/PrintRunSupport.h"
#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <sys/stat.h>

using testsupport::CommandOutput;

namespace {

const char Title[] = "確認申請書_建築物_エラーリスト";

// The layout that the check-result list writes for entries: a page head, then up to 56 entries
// on rows 3 to 58, a FORMFEED before every further page head and at the end.
std::string CheckResultLayout(const std::vector<std::string>& entries)
{
    std::string layout = "AREA 20,20,15,15\nVCS 0,0,90,59\nROW_NUM 59\nCOLUMN_NUM 90\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i % 56 == 0)
            layout += std::string(i ? "FORMFEED\n" : "") + "ACTIVE_CELL 0,0\nTEXT_SIZE 0.8,0.8\n" +
                      "TEXT_ALIGN Center,Left\nTEXT \"" + Title + "\"\n";
        layout += "ACTIVE_CELL " + std::to_string(i % 56 + 3) + ",2\nTEXT \"" + entries[i] + "\"\n";
    }
    return layout + "FORMFEED\n";
}

// 57 findings, each a different text (CP932).
std::vector<std::string> Findings()
{
    const char* faces[] = {"第一面：", "第二面：", "第三面：", "第四面：", "第五面："};
    const char* items[] = {"建築主の氏名", "敷地の地名地番", "工事種別", "建築面積", "延べ面積", "階数", "構造"};
    const char* problems[] = {"が未入力です。", "の日付が正しくありません。"};
    std::vector<std::string> findings;
    for (int i = 0; i < 57; ++i)
        findings.push_back(std::string(faces[i % 5]) + items[i % 7] + std::to_string(i + 1) + problems[i % 2]);
    return findings;
}

// A part of a PDF's first page as poppler draws it at 600 dpi, the printers' resolution: the
// device pixels from (x, y), width × height of them.
class Raster {
public:
    Raster(const std::string& pdf, int x, int y, int width, int height)
    {
        m_ppm = CommandOutput("pdftoppm -r 600 -f 1 -l 1 -x " + std::to_string(x) + " -y " + std::to_string(y) +
                              " -W " + std::to_string(width) + " -H " + std::to_string(height) + " '" + pdf + "'");
        std::string header = "P6\n" + std::to_string(width) + " " + std::to_string(height) + "\n255\n";
        EXPECT_EQ(header, m_ppm.substr(0, header.size()));
        m_pixels = header.size();
        m_width = width;
        m_ppm.resize(m_pixels + size_t(width) * height * 3);
    }
    // 0xRRGGBB
    uint32_t Rgb(int x, int y) const
    {
        const unsigned char* pixel =
            reinterpret_cast<const unsigned char*>(&m_ppm[m_pixels + (size_t(y) * m_width + x) * 3]);
        return pixel[0] << 16 | pixel[1] << 8 | pixel[2];
    }
    bool IsDark(int x, int y) const
    {
        uint32_t rgb = Rgb(x, y);
        return ((rgb >> 16) + (rgb >> 8 & 255) + (rgb & 255)) / 3 < 128;
    }

private:
    std::string m_ppm;
    size_t m_pixels = 0;
    int m_width = 0;
};

class PrintIntoPdfTest : public ::testing::Test {
protected:
    // Prints the file set into a PDF of that name; its Linux path.
    std::string Print(MPrintFileset& fileset, const std::string& name)
    {
        std::string pdf = temp.Path(name);
        CCairoDC dc(AfxPaperDevice(TRUE, 600, 210, 297), CCairoDC::Pdf, pdf);
        fileset.SetPrintToDevice(1);
        EXPECT_EQ(1, fileset.Begin(&dc, 0));
        EXPECT_EQ(1, fileset.Print());
        fileset.Finish();
        return pdf;
    }

    // Keeps the PDF's pages as pictures under the artefacts.
    void KeepPages(const std::string& pdf, const std::string& name)
    {
        mkdir(ZN_GDI_ARTEFACTS, 0755);
        int status = -1;
        CommandOutput("pdftoppm -r 60 -png '" + pdf + "' '" + ZN_GDI_ARTEFACTS + "/" + name + "'", &status);
        EXPECT_EQ(0, status);
    }

    int Pages(const std::string& pdf)
    {
        std::smatch match;
        std::string info = CommandOutput("pdfinfo '" + pdf + "'");
        return std::regex_search(info, match, std::regex("Pages:\\s+(\\d+)")) ? std::stoi(match[1]) : -1;
    }

    testsupport::TempFolder temp;
};

TEST_F(PrintIntoPdfTest, CheckResultListOfTwoPages)
{
    std::vector<std::string> findings = Findings();
    std::string layout = printtest::WriteFile(temp, "list.lay", CheckResultLayout(findings));
    MPrintFilesetCell cell(printtest::WinPath(layout), printtest::WinPath(temp.Path("list.kpd")));
    std::string pdf = Print(cell, "list.pdf");
    KeepPages(pdf, "CheckResultList");

    EXPECT_EQ(2, Pages(pdf));
    std::string info = CommandOutput("pdfinfo '" + pdf + "'");
    EXPECT_NE(std::string::npos, info.find("841.89 pts (A4)")) << info;
    // Every text in order, the title heading each page.
    std::string text = CommandOutput("pdftotext -enc UTF-8 '" + pdf + "' -");
    size_t at = text.find(printtest::Utf8(Title));
    ASSERT_NE(std::string::npos, at) << text;
    for (size_t i = 0; i < findings.size(); ++i) {
        if (i == 56) {
            at = text.find(printtest::Utf8(Title), at);
            ASSERT_NE(std::string::npos, at) << "the second page's title";
        }
        size_t next = text.find(printtest::Utf8(findings[i].c_str()), at);
        ASSERT_NE(std::string::npos, next) << i << ": " << printtest::Utf8(findings[i].c_str());
        at = next;
    }
    // The title's left edge 20 mm and its bottom 24 mm from the paper's top-left corner.
    std::string boxes = CommandOutput("pdftotext -enc UTF-8 -bbox -f 1 -l 1 '" + pdf + "' -");
    std::smatch word;
    ASSERT_TRUE(std::regex_search(boxes, word,
                                  std::regex("xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">" +
                                             printtest::Utf8(Title))))
        << boxes;
    const double pointsPerMm = 72 / 25.4;
    EXPECT_NEAR(20.0, std::stod(word[1]) / pointsPerMm, 0.5);
    EXPECT_NEAR(24.0, std::stod(word[2]) / pointsPerMm, 0.5);
    EXPECT_NE(std::string::npos, CommandOutput("pdffonts '" + pdf + "'").find("IPAMincho"));
}

TEST_F(PrintIntoPdfTest, TextFileOfThreePages)
{
    MPrintFilesetText::ForgetRememberedOptions();
    std::string lines;
    for (int i = 1; i <= 150; ++i)
        lines += "行 " + std::to_string(i) + "\n";
    std::string file = printtest::WriteFile(temp, "lines.txt", lines);
    MPrintFilesetText text(printtest::WinPath(file), "");
    std::string pdf = Print(text, "lines.pdf");
    KeepPages(pdf, "TextFile");
    EXPECT_EQ(3, Pages(pdf));
    std::string third = CommandOutput("pdftotext -enc UTF-8 -f 3 -l 3 '" + pdf + "' -");
    EXPECT_NE(std::string::npos, third.find(u8"行 133")) << third;
    EXPECT_NE(std::string::npos, third.find(u8"行 150")) << third;
    EXPECT_EQ(std::string::npos, third.find(u8"行 132\n")) << third;
}

// A layout whose texts hold bytes that are no character (a NUL, a byte outside the code) prints
// its two pages, each started and ended, on the PDF and on the recording device context, each such
// byte a blank cell; so does a text file.
TEST_F(PrintIntoPdfTest, TextsWithBytesThatAreNoCharacter)
{
    const std::string nul(1, '\0');
    const std::string layout = "TEXT \"a" + nul + "b\"\nFORMFEED\nTEXT \"c\xffz\"\nTEXT \"" + nul + "\"\n";
    std::string path = printtest::WriteFile(temp, "nul.lay", layout);
    MPrintFilesetCell cell(printtest::WinPath(path), printtest::WinPath(temp.Path("nul.kpd")));
    std::string pdf = Print(cell, "nul.pdf");
    EXPECT_EQ(2, Pages(pdf));
    std::string text = CommandOutput("pdftotext -enc UTF-8 '" + pdf + "' -");
    EXPECT_NE(std::string::npos, text.find("a b")) << text;
    EXPECT_NE(std::string::npos, text.find("c z")) << text;

    printtest::RecordingDC recording;
    MPrintFilesetCell again(printtest::WinPath(path), printtest::WinPath(temp.Path("nul.kpd")));
    ASSERT_EQ(1, again.Begin(&recording, 0));
    EXPECT_EQ(1, again.Print());
    again.Finish();
    std::vector<std::string> pages;
    for (const std::string& event : recording.events)
        if (event.rfind("TextOut", 0) == 0 || event.find("Page") != std::string::npos)
            pages.push_back(event);
    EXPECT_EQ(
        (std::vector<std::string>{"StartPage", "TextOut(210,594,\"a" + nul + "b\",3)", "EndPage", "StartPage",
                                  "TextOut(210,594,\"c\xffz\",3)", "TextOut(210,594,\"" + nul + "\",1)", "EndPage"}),
        pages);

    MPrintFilesetText::ForgetRememberedOptions();
    MPrintFilesetText lines(printtest::WinPath(printtest::WriteFile(temp, "nul.txt", "e" + nul + "f\n\xff\n")), "");
    pdf = Print(lines, "nul-text.pdf");
    EXPECT_EQ(1, Pages(pdf));
    EXPECT_NE(std::string::npos, CommandOutput("pdftotext -enc UTF-8 '" + pdf + "' -").find("e f"));
}

// Lines of each width and style, each the bottom edge of a block on a grid of millimetres: at 21,
// 41, 61 and 81 mm from the top, from 20 to 151 mm from the left. A fine pen is one logical unit
// (0.1 mm, about 2.36 device units) wide and keeps its style; a thin one is five and draws solid.
TEST_F(PrintIntoPdfTest, FineStyledLinesShowTheirGaps)
{
    const struct {
        const char* style;
        int row, deviceY;
        bool gaps;
    } lines[] = {{"Fine,Solid", 20, 496, false},
                 {"Fine,Dot", 40, 969, true},
                 {"Fine,DashDot", 60, 1441, true},
                 {"Thin,Dot", 80, 1913, false}};
    std::string layout = "VCS 0,0,210,297\nROW_NUM 297\nCOLUMN_NUM 210\n";
    for (const auto& line : lines)
        layout += "ACTIVE_CELL " + std::to_string(line.row) + ",20," + std::to_string(line.row) + ",150\nLINE_STYLE " +
                  line.style + "\nLINE LB,RB\n";
    std::string path = printtest::WriteFile(temp, "lines.lay", layout);
    MPrintFilesetCell cell(printtest::WinPath(path), printtest::WinPath(temp.Path("lines.kpd")));
    std::string pdf = Print(cell, "lines.pdf");
    // Along the line's darkest row, from 480 to 3559 device units (472 to 3567 less the round ends).
    for (const auto& line : lines) {
        Raster raster(pdf, 480, line.deviceY - 4, 3080, 9);
        int dark = 0;
        for (int y = 0; y < 9; ++y) {
            int inRow = 0;
            for (int x = 0; x < 3080; ++x)
                inRow += raster.IsDark(x, y);
            dark = std::max(dark, inRow);
        }
        if (line.gaps) {
            EXPECT_LT(dark, 3080 * 9 / 10) << line.style;
            EXPECT_GT(dark, 3080 * 3 / 10) << line.style;
        } else {
            EXPECT_EQ(3080, dark) << line.style;
        }
    }
}

// A bitmap of a red and a blue pixel stretched over a block 42 mm wide and 21 mm high, 10 mm from
// the paper's top-left corner: device pixels 236 to 1228 across and 236 to 732 down, each source
// pixel a solid half, as StretchBlt copies whole pixels.
TEST_F(PrintIntoPdfTest, StretchedBitmapKeepsWholePixels)
{
    std::string image = printtest::WriteFile(temp, "two pixels.bmp", printtest::Bmp24(2, 1, {0xFF0000, 0x0000FF}));
    std::string layout = "VCS 0,0,210,297\nROW_NUM 297\nCOLUMN_NUM 210\nACTIVE_CELL 10,10,30,51\nIMPORT_IMAGE \"" +
                         std::string(printtest::WinPath(image)) + "\"\n";
    std::string path = printtest::WriteFile(temp, "image.lay", layout);
    MPrintFilesetCell cell(printtest::WinPath(path), printtest::WinPath(temp.Path("image.kpd")));
    std::string pdf = Print(cell, "image.pdf");
    EXPECT_EQ(std::string::npos, printtest::ReadFile(pdf).find("/Interpolate true"));
    Raster raster(pdf, 236, 236, 992, 496);
    int wrong = 0;
    for (int y = 2; y < 494; ++y)
        for (int x = 2; x < 990; ++x)
            if (x < 494 || x >= 498)
                wrong += raster.Rgb(x, y) != (x < 496 ? 0xFF0000u : 0x0000FFu);
    EXPECT_EQ(0, wrong);
}

} // namespace
