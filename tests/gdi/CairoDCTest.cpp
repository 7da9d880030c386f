#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/gdi/CCairoDC.h"
#include "platform/gdi/CairoDrawing.h"
#include "platform/wnd/CFont.h"
#include "platform/wnd/CPen.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/VhDrawCircle.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawRect.h"
#include "print/VhDrawTables.h"

#include <cairo.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <sys/stat.h>

using testsupport::CommandOutput;
using testsupport::TempFolder;

namespace {

// A 150-dpi printer with a paper of 400 × 300 pixels.
DcDevice SmallPaper()
{
    DcDevice device;
    device.printer = TRUE;
    device.dpi = 150;
    device.paper = SIZE{400, 300};
    return device;
}

// A picture read back: whether a pixel is dark, and the box of the dark pixels in an area.
class Picture {
public:
    explicit Picture(const std::string& path) : m_surface(cairo_image_surface_create_from_png(path.c_str())) {}
    ~Picture() { cairo_surface_destroy(m_surface); }
    bool IsLoaded() const { return cairo_surface_status(m_surface) == CAIRO_STATUS_SUCCESS; }
    int Width() const { return cairo_image_surface_get_width(m_surface); }
    int Height() const { return cairo_image_surface_get_height(m_surface); }
    // 0 to 255, the mean of the pixel's three colours.
    int Grey(int x, int y) const
    {
        const unsigned char* data = cairo_image_surface_get_data(m_surface);
        uint32_t pixel = reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(m_surface))[x];
        return (((pixel >> 16) & 255) + ((pixel >> 8) & 255) + (pixel & 255)) / 3;
    }
    bool IsDark(int x, int y) const { return Grey(x, y) < 128; }
    // left, top, right, bottom of the dark pixels (inclusive); left > right when there is none.
    RECT InkBox() const
    {
        RECT box{Width(), Height(), -1, -1};
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < Width(); ++x)
                if (IsDark(x, y))
                    box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                               std::max<LONG>(box.bottom, y)};
        return box;
    }

private:
    cairo_surface_t* m_surface;
};

// Draws one page into a picture kept among the test artefacts, and reads it back.
std::string DrawPicture(const std::string& name, const std::function<void(CDC&)>& draw,
                        const DcDevice& device = SmallPaper())
{
    mkdir(ZN_GDI_ARTEFACTS, 0755);
    std::string prefix = std::string(ZN_GDI_ARTEFACTS) + "/" + name + "-";
    CCairoDC dc(device, CCairoDC::Png, prefix);
    EXPECT_GT(dc.StartDoc(name.c_str()), 0);
    EXPECT_GT(dc.StartPage(), 0);
    draw(dc);
    EXPECT_GT(dc.EndPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0);
    return prefix + "1.png";
}

VhDrawRect HatchedRect(int hatch)
{
    VhDrawRect rect;
    rect.GetShape().SetCorners(VhPoint(10, 20), VhPoint(110, 70));
    rect.SetHatch(hatch);
    return rect;
}

// Every pixel well inside the rectangle (10, 20)-(110, 70) is the pattern's: dark for a 0 bit.
void ExpectPatternInside(const Picture& picture, int hatch)
{
    const WORD* rows = VhHatchPatternOf(hatch);
    int wrong = 0;
    for (int y = 23; y <= 67; ++y)
        for (int x = 13; x <= 107; ++x)
            wrong += picture.IsDark(x, y) != !(rows[y % 8] & (0x80 >> (x % 8)));
    EXPECT_EQ(0, wrong) << "hatch " << hatch;
}

TEST(CairoDC, HatchesAreExactPatternsOfDevicePixels)
{
    for (int hatch : {17, 3}) {
        Picture picture(DrawPicture("hatch" + std::to_string(hatch), [&](CDC& dc) {
            VhDrawImp imp(&dc);
            HatchedRect(hatch).Draw(&imp, nullptr);
        }));
        ASSERT_TRUE(picture.IsLoaded());
        EXPECT_EQ(400, picture.Width());
        ExpectPatternInside(picture, hatch);
        EXPECT_TRUE(picture.IsDark(60, 20)) << "the outline";
        EXPECT_FALSE(picture.IsDark(60, 75)) << "outside";
    }
}

TEST(CairoDC, MaskPenLeavesBlackAndCopyPenPaintsWhite)
{
    Picture picture(DrawPicture("rop", [](CDC& dc) {
        VhDrawImp imp(&dc);
        VhDrawRect black;
        black.GetShape().SetCorners(VhPoint(10, 10), VhPoint(190, 100));
        black.SetHatch(64);
        black.Draw(&imp, nullptr);
        VhDrawCircle circle; // unfilled: the white stock brush under R2_MASKPEN
        circle.GetShape().SetCentre(VhPoint(100, 55));
        circle.GetShape().SetRadius(30);
        circle.Draw(&imp, nullptr);
        CPen white(PS_SOLID, 5, RGB(255, 255, 255));
        CPen* before = dc.SelectObject(&white);
        dc.SetROP2(R2_MASKPEN);
        dc.MoveTo(20, 40);
        dc.LineTo(180, 40);
        dc.SetROP2(R2_COPYPEN);
        dc.MoveTo(20, 80);
        dc.LineTo(180, 80);
        dc.SelectObject(before);
    }));
    ASSERT_TRUE(picture.IsLoaded());
    EXPECT_TRUE(picture.IsDark(100, 40)) << "white masked over black";
    EXPECT_TRUE(picture.IsDark(100, 55)) << "inside the unfilled circle";
    EXPECT_EQ(255, picture.Grey(100, 80)) << "white copied over black";
    EXPECT_EQ(255, picture.Grey(100, 150)) << "the paper";
}

// The font of the print library's texts at 150 dpi: a 40-pixel em.
LOGFONT MinchoFont(LONG escapement)
{
    LOGFONT font{};
    font.lfHeight = -40;
    font.lfEscapement = font.lfOrientation = escapement;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    std::strcpy(font.lfFaceName, "ＭＳ 明朝");
    return font;
}

RECT TextInk(const std::string& name, LONG escapement)
{
    Picture picture(DrawPicture(name, [&](CDC& dc) {
        LOGFONT description = MinchoFont(escapement);
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

TEST(CairoDC, FailedOrAbortedPdfLeavesNothingAndAFinishedOneReplacesTheOld)
{
    TempFolder folder;
    EXPECT_EQ(SP_ERROR, WritePdf(folder.Path("missing/out.pdf"), {"A"}));
    EXPECT_EQ(0, FileCount(folder));

    std::string pdf = folder.Path("out.pdf");
    EXPECT_GT(WritePdf(pdf, {"A"}, true), 0);
    EXPECT_FALSE(Exists(pdf));
    EXPECT_EQ(0, FileCount(folder));

    std::ofstream(pdf) << "an older file";
    EXPECT_GT(WritePdf(pdf, {"A"}), 0);
    std::ifstream written(pdf);
    std::string head(5, '\0');
    written.read(&head[0], 5);
    EXPECT_EQ("%PDF-", head);
    EXPECT_EQ(1, FileCount(folder));
}

} // namespace
