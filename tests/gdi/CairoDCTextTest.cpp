// Texts and files of the cairo device context: where a text's ink lies in its cell, turned,
// styled and opaque; metrics as the recording device context measures them; PDF files with their
// pages, texts and fonts, and what is left of a failed or aborted document.
#include "tests/gdi/CairoPicture.h"
#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/wnd/CRecordingDC.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawString.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sys/stat.h>

using cairotest::DrawPicture;
using cairotest::MinchoFont;
using cairotest::Picture;
using cairotest::SmallPaper;
using testsupport::CommandOutput;
using testsupport::TempFolder;

namespace {

RECT TextInk(const std::string& name, LONG escapement, LONG weight = 0, BYTE lines = 0, BYTE italic = 0)
{
    Picture picture(DrawPicture(name, [&](CDC& dc) {
        LOGFONT description = MinchoFont(escapement);
        description.lfWeight = weight;
        description.lfUnderline = description.lfStrikeOut = lines;
        description.lfItalic = italic;
        CFont font;
        font.CreateFontIndirect(&description);
        CFont* before = dc.SelectObject(&font);
        dc.SetTextAlign(TA_BOTTOM);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(100, 200, "本日ABC", 7);
        dc.SelectObject(before);
    }));
    return picture.InkBox();
}

TEST(CairoDC, TextInkLiesInItsCell)
{
    // The cell: left on the reference point, 7 bytes of 20 pixels, its bottom on the point.
    RECT ink = TextInk("text", 0);
    EXPECT_GE(ink.left, 100 - 1);
    EXPECT_LE(ink.right, 240 + 1);
    EXPECT_GE(ink.top, 160 - 1);
    EXPECT_LE(ink.bottom, 200 + 1);
    EXPECT_GT(ink.right - ink.left, 120) << "the characters are there";

    // Turned by 90°: it runs up the page from the point, the cell to its left.
    RECT turned = TextInk("text-turned", 900);
    EXPECT_GE(turned.left, 60 - 1);
    EXPECT_LE(turned.right, 100 + 1);
    EXPECT_GE(turned.top, 60 - 1);
    EXPECT_LE(turned.bottom, 200 + 1);
    EXPECT_GT(turned.bottom - turned.top, 120);

    // Bold, underlined and struck out, still in the cell; slanted, the top leans to the right.
    RECT styled = TextInk("text-styled", 0, FW_BOLD, 1);
    EXPECT_GE(styled.left, 100 - 1);
    EXPECT_LE(styled.right, 240 + 1);
    EXPECT_GE(styled.top, 160 - 1);
    EXPECT_LE(styled.bottom, 200 + 1);
    RECT slanted = TextInk("text-italic", 0, 0, 0, 1);
    EXPECT_GT(slanted.right, ink.right);
    EXPECT_LE(slanted.right, 240 + 10);
}

TEST(CairoDC, OpaqueTextFillsItsCell)
{
    Picture picture(DrawPicture("text-opaque", [](CDC& dc) {
        LOGFONT description = MinchoFont(0);
        CFont font;
        font.CreateFontIndirect(&description);
        CFont* before = dc.SelectObject(&font);
        dc.SetBkColor(RGB(0, 0, 0));
        dc.TextOut(100, 100, "AB", 2); // TA_TOP: the cell spans (100, 100) to (140, 140)
        dc.SelectObject(before);
    }));
    RECT ink = picture.InkBox();
    EXPECT_EQ(100, ink.left);
    EXPECT_EQ(100, ink.top);
    EXPECT_EQ(139, ink.right);
    EXPECT_EQ(139, ink.bottom);
    EXPECT_TRUE(picture.IsDark(120, 120));
}

TEST(CairoDC, MetricsAgreeWithTheRecordingDeviceContext)
{
    TempFolder folder;
    CCairoDC cairo(AfxPaperDevice(TRUE, 600, 210, 297), CCairoDC::Pdf, folder.Path("metrics.pdf"));
    CRecordingDC recording(AfxPaperDevice(TRUE, 600, 210, 297));
    struct Case {
        int mapMode;
        LONG height, width;
    };
    for (const Case& c : {Case{MM_TWIPS, -200, 0}, Case{MM_TEXT, -36, 16}, Case{MM_LOMETRIC, -35, 0}}) {
        LOGFONT description = MinchoFont(0);
        description.lfHeight = c.height;
        description.lfWidth = c.width;
        CFont font;
        font.CreateFontIndirect(&description);
        TEXTMETRIC drawn, recorded;
        for (CDC* dc : {static_cast<CDC*>(&cairo), static_cast<CDC*>(&recording)}) {
            dc->SetMapMode(c.mapMode);
            dc->SelectObject(&font);
        }
        cairo.GetTextMetrics(&drawn);
        recording.GetTextMetrics(&recorded);
        EXPECT_NEAR(recorded.tmAscent, drawn.tmAscent, 1) << c.height;
        EXPECT_NEAR(recorded.tmDescent, drawn.tmDescent, 1) << c.height;
        EXPECT_EQ(recorded.tmHeight, drawn.tmHeight);
        EXPECT_EQ(recording.GetTextExtent("本日ABC", 7), cairo.GetTextExtent("本日ABC", 7));
        for (CDC* dc : {static_cast<CDC*>(&cairo), static_cast<CDC*>(&recording)})
            dc->SelectStockObject(SYSTEM_FONT);
    }
}

// Draws a document of pages of text into a PDF at path; the StartDoc result.
int WritePdf(const std::string& path, const std::vector<const char*>& pages, bool abort = false)
{
    CCairoDC dc(AfxPaperDevice(TRUE, 600, 210, 297), CCairoDC::Pdf, path);
    int job = dc.StartDoc("document");
    if (job <= 0)
        return job;
    LOGFONT description = MinchoFont(0);
    description.lfHeight = -100;
    CFont font;
    font.CreateFontIndirect(&description);
    dc.SelectObject(&font);
    for (const char* text : pages) {
        dc.StartPage();
        dc.TextOut(600, 600, text, static_cast<int>(std::strlen(text)));
        dc.EndPage();
    }
    dc.SelectStockObject(SYSTEM_FONT);
    if (abort)
        dc.AbortDoc();
    else
        EXPECT_GT(dc.EndDoc(), 0);
    return job;
}

bool Exists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

int FileCount(const TempFolder& folder) { return std::stoi(CommandOutput("ls -A '" + folder.Path() + "' | wc -l")); }

TEST(CairoDC, PdfPagesAreA4WithTheirTextsAndEmbeddedFonts)
{
    TempFolder folder;
    std::string pdf = folder.Path("two pages.pdf");
    EXPECT_GT(WritePdf(pdf, {"髙①～表", "第二頁"}), 0);
    std::string info = CommandOutput("pdfinfo '" + pdf + "'");
    EXPECT_NE(std::string::npos, info.find("Pages:           2\n")) << info;
    EXPECT_NE(std::string::npos, info.find("595.276 x 841.89 pts (A4)")) << info;
    std::string text = CommandOutput("pdftotext -enc UTF-8 '" + pdf + "' -");
    EXPECT_NE(std::string::npos, text.find(u8"髙①～表")) << text;
    EXPECT_NE(std::string::npos, text.find(u8"第二頁")) << text;
    std::string fonts = CommandOutput("pdffonts '" + pdf + "'");
    size_t mincho = fonts.find("IPAMincho");
    ASSERT_NE(std::string::npos, mincho) << fonts;
    EXPECT_NE(std::string::npos, fonts.find(" yes ", mincho)) << fonts;
    EXPECT_EQ(1, FileCount(folder)) << "no temporary file is left";
}

TEST(CairoDC, PdfTextStandsWhereThePageMappingPutsIt)
{
    TempFolder folder;
    std::string pdf = folder.Path("mapped.pdf");
    {
        CCairoDC dc(AfxPaperDevice(TRUE, 600, 210, 297), CCairoDC::Pdf, pdf);
        ASSERT_GT(dc.StartDoc("mapped"), 0);
        dc.StartPage();
        // 0.1 mm, y downwards, from the paper's corner, as the CELL pages draw.
        dc.SetMapMode(MM_LOMETRIC);
        dc.SetMapMode(MM_ANISOTROPIC);
        CSize viewport = dc.GetViewportExt();
        dc.SetViewportExt(viewport.cx, -viewport.cy);
        VhDrawString text;
        text.GetShape().SetPosition(VhPoint(200, 300));
        text.GetShape().SetText("表");
        text.GetShape().SetHeight(50);
        text.GetShape().SetShape(0);
        VhDrawImp imp(&dc);
        EXPECT_EQ(1, text.Draw(&imp, nullptr));
        dc.EndPage();
        ASSERT_GT(dc.EndDoc(), 0);
    }
    // The word's box in points: its left at 20 mm, its bottom (the cell's) at 30 mm, 5 mm high.
    std::string box = CommandOutput("pdftotext -bbox '" + pdf + "' - | grep '<word'");
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
    ASSERT_EQ(4, std::sscanf(box.c_str(), " <word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"", &xMin, &yMin,
                             &xMax, &yMax))
        << box;
    const double mm = 72 / 25.4;
    EXPECT_NEAR(20 * mm, xMin, 1.0) << box;
    EXPECT_NEAR(25 * mm, xMax, 1.0) << box;
    EXPECT_NEAR(30 * mm, yMax, 1.5) << box;
}

// A text far larger than the font engine draws (its sizes are 16-bit) is left out; the same
// font before and after it still draws, so no page goes missing.
TEST(CairoDC, TextTooLargeForTheFontEngineLeavesTheOtherTextsWhole)
{
    TempFolder folder;
    std::string pdf = folder.Path("huge.pdf");
    {
        CCairoDC dc(AfxPaperDevice(TRUE, 600, 210, 297), CCairoDC::Pdf, pdf);
        ASSERT_GT(dc.StartDoc("huge"), 0);
        const struct {
            LONG em;
            const char* text;
        } pages[] = {{100, "First"}, {10000000, "Huge"}, {100, "Third"}};
        for (const auto& page : pages) {
            LOGFONT description = MinchoFont(0);
            description.lfHeight = -page.em;
            CFont font;
            font.CreateFontIndirect(&description);
            dc.StartPage();
            CFont* before = dc.SelectObject(&font);
            dc.TextOut(600, 600, page.text, static_cast<int>(std::strlen(page.text)));
            dc.SelectObject(before);
            dc.EndPage();
        }
        ASSERT_GT(dc.EndDoc(), 0);
    }
    EXPECT_NE(std::string::npos, CommandOutput("pdfinfo '" + pdf + "'").find("Pages:           3\n"));
    std::string text = CommandOutput("pdftotext '" + pdf + "' -");
    EXPECT_NE(std::string::npos, text.find("First")) << text;
    EXPECT_NE(std::string::npos, text.find("Third")) << text;
    EXPECT_EQ(std::string::npos, text.find("Huge")) << text;
}

TEST(CairoDC, FailedOrAbortedPdfLeavesNothingAndAFinishedOneReplacesTheOld)
{
    TempFolder folder;
    EXPECT_EQ(SP_ERROR, WritePdf(folder.Path("missing/out.pdf"), {"A"}));
    EXPECT_EQ(0, FileCount(folder));

    std::string pdf = folder.Path("out.pdf");
    EXPECT_GT(WritePdf(pdf, {"A"}, true), 0);
    EXPECT_FALSE(Exists(pdf));
    EXPECT_EQ(0, FileCount(folder));

    {
        CCairoDC pictures(SmallPaper(), CCairoDC::Png, folder.Path("page-"));
        ASSERT_GT(pictures.StartDoc("pictures"), 0);
        pictures.StartPage();
        pictures.EndPage();
        EXPECT_TRUE(Exists(folder.Path("page-1.png")));
        pictures.StartPage();
        pictures.AbortDoc();
    }
    EXPECT_EQ(0, FileCount(folder)) << "an aborted document's pictures are removed";
    CCairoDC nowhere(SmallPaper(), CCairoDC::Png, folder.Path("missing/page-"));
    EXPECT_EQ(SP_ERROR, nowhere.StartDoc("pictures"));

    std::ofstream(pdf) << "an older file";
    EXPECT_GT(WritePdf(pdf, {"A"}), 0);
    std::ifstream written(pdf);
    std::string head(5, '\0');
    written.read(&head[0], 5);
    EXPECT_EQ("%PDF-", head);
    EXPECT_EQ(1, FileCount(folder));
}

} // namespace
