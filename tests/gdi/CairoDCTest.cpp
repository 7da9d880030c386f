#include "tests/support/CommandOutput.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "platform/gdi/CCairoDC.h"
#include "platform/gdi/CairoDrawing.h"
#include "platform/wnd/CFont.h"
#include "platform/wnd/CPen.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/VhDrawCircle.h"
#include "print/VhDrawComposition.h"
#include "print/VhDrawGrid.h"
#include "print/VhDrawImp.h"
#include "print/VhDrawLine.h"
#include "print/VhDrawPolygon.h"
#include "print/VhDrawPolyline.h"
#include "print/VhDrawRect.h"
#include "print/VhDrawString.h"
#include "print/VhDrawTables.h"

#include <cairo.h>

#include <algorithm>
#include <cstdio>
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

// Draws one page into a picture kept among the test artefacts, and gives its path. Through a PDF,
// the page is drawn into a PDF that poppler turns into the picture at the device's resolution.
std::string DrawPicture(const std::string& name, const std::function<void(CDC&)>& draw,
                        CCairoDC::Target target = CCairoDC::Png)
{
    mkdir(ZN_GDI_ARTEFACTS, 0755);
    std::string prefix = std::string(ZN_GDI_ARTEFACTS) + "/" + name;
    bool pdf = target == CCairoDC::Pdf;
    CCairoDC dc(SmallPaper(), target, pdf ? prefix + ".pdf" : prefix + "-");
    EXPECT_GT(dc.StartDoc(name.c_str()), 0);
    EXPECT_GT(dc.StartPage(), 0);
    draw(dc);
    EXPECT_GT(dc.EndPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0);
    if (!pdf)
        return prefix + "-1.png";
    CommandOutput("pdftoppm -png -r 150 -singlefile '" + prefix + ".pdf' '" + prefix + "-pdf'");
    return prefix + "-pdf.png";
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

// How many pixels of row y from x 20 to 379 are dark.
int DarkInRow(const Picture& picture, int y)
{
    int dark = 0;
    for (int x = 20; x < 380; ++x)
        dark += picture.IsDark(x, y);
    return dark;
}

TEST(CairoDC, StyledPensAreDashedOnlyWhileOneLogicalUnitWideAndPolygonsFillByTheAlternateRule)
{
    Picture picture(DrawPicture("pens", [](CDC& dc) {
        const struct {
            int style, width, y;
        } lines[] = {{PS_DASH, 0, 20}, {PS_DOT, 1, 40}, {PS_DASH, 3, 60}, {PS_NULL, 3, 80}};
        for (const auto& line : lines) {
            CPen pen(line.style, line.width, RGB(0, 0, 0));
            CPen* before = dc.SelectObject(&pen);
            dc.MoveTo(20, line.y);
            dc.LineTo(380, line.y);
            dc.SelectObject(before);
        }
        // A five-pointed star drawn in one stroke: its middle is enclosed twice, so left empty.
        dc.SelectStockObject(BLACK_BRUSH);
        const POINT star[] = {{200, 110}, {229, 200}, {152, 145}, {248, 145}, {171, 200}};
        dc.Polygon(star, 5);
        dc.SelectStockObject(WHITE_BRUSH);
        // One logical unit is three device units: the pen keeps its dots, each grown to its width.
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportExt(3, 3);
        CPen pen(PS_DOT, 1, RGB(0, 0, 0));
        CPen* before = dc.SelectObject(&pen);
        dc.MoveTo(7, 80);
        dc.LineTo(126, 80);
        dc.SelectObject(before);
    }));
    ASSERT_TRUE(picture.IsLoaded());
    int dashed = DarkInRow(picture, 20), dotted = DarkInRow(picture, 40);
    EXPECT_GT(dashed, 180) << "dashes";
    EXPECT_LT(dashed, 340) << "gaps";
    EXPECT_GT(dotted, 90);
    EXPECT_LT(dotted, 270);
    EXPECT_EQ(360, DarkInRow(picture, 60)) << "a wide dashed pen draws solid";
    EXPECT_EQ(0, DarkInRow(picture, 80)) << "a null pen draws nothing";
    int widerDots = DarkInRow(picture, 240);
    EXPECT_GT(widerDots, 120) << "a pen of one logical unit three device units wide";
    EXPECT_LT(widerDots, 270) << "a pen of one logical unit three device units wide";
    EXPECT_TRUE(picture.IsDark(200, 125)) << "a point of the star";
    EXPECT_FALSE(picture.IsDark(200, 160)) << "the star's middle";
}

// A black rectangle with an unfilled circle over it, a white line masked across it and another
// copied.
void DrawMasks(CDC& dc)
{
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
}

TEST(CairoDC, MaskPenLeavesBlackAndCopyPenPaintsWhite)
{
    for (CCairoDC::Target target : {CCairoDC::Png, CCairoDC::Pdf}) {
        Picture picture(DrawPicture("rop", DrawMasks, target));
        ASSERT_TRUE(picture.IsLoaded()) << target;
        EXPECT_TRUE(picture.IsDark(100, 40)) << "white masked over black, " << target;
        EXPECT_TRUE(picture.IsDark(100, 55)) << "inside the unfilled circle, " << target;
        EXPECT_GT(picture.Grey(100, 80), 240) << "white copied over black, " << target;
        EXPECT_EQ(255, picture.Grey(100, 150)) << "the paper, " << target;
    }
}

template <class Draw> Draw* Chain(std::initializer_list<VhPoint> points, int hatch)
{
    Draw* draw = new Draw;
    for (const VhPoint& point : points)
        draw->GetShape().AddPoint(point);
    draw->SetHatch(hatch);
    return draw;
}

// The page that tests/data/gdi/every-drawable.sh draws by hand, and a text.
void BuildEveryDrawable(VhDrawComposition& page)
{
    VhDrawLine* line = new VhDrawLine;
    line->GetShape().SetEnd1(VhPoint(20, 20));
    line->GetShape().SetEnd2(VhPoint(380, 20));
    page.Add(line);
    for (int hatch : {int(VhDraw::NoHatch), 64}) {
        VhDrawRect* rect = new VhDrawRect;
        double left = hatch == 64 ? 140 : 20;
        rect->GetShape().SetCorners(VhPoint(left, 40), VhPoint(left + 100, 100));
        rect->SetHatch(hatch);
        page.Add(rect);
    }
    page.Add(Chain<VhDrawPolyline>({{260, 100}, {300, 40}, {340, 100}, {380, 40}}, VhDraw::NoHatch));
    page.Add(Chain<VhDrawPolygon>({{20, 120}, {120, 120}, {70, 200}}, 64));
    VhDrawCircle* circle = new VhDrawCircle;
    circle->GetShape().SetCentre(VhPoint(190, 160));
    circle->GetShape().SetRadius(40);
    page.Add(circle);
    VhDrawGrid* grid = new VhDrawGrid;
    grid->GetShape().SetPitch(VhPoint(100, 100));
    grid->GetShape().SetStyle(0);
    page.Add(grid);
    VhDrawString* text = new VhDrawString;
    text->GetShape().SetPosition(VhPoint(260, 250));
    text->GetShape().SetText("ABC");
    text->GetShape().SetHeight(30);
    text->GetShape().SetShape(0);
    page.Add(text);
}

TEST(CairoDC, EveryDrawableMatchesTheReferencePicture)
{
    Picture picture(DrawPicture("every-drawable", [](CDC& dc) {
        VhDrawComposition page;
        BuildEveryDrawable(page);
        VhDrawImp imp(&dc);
        EXPECT_EQ(1, page.Draw(&imp, nullptr));
    }));
    Picture reference(testsupport::DataPath("gdi/every-drawable.png"));
    ASSERT_TRUE(picture.IsLoaded());
    ASSERT_TRUE(reference.IsLoaded());
    ASSERT_EQ(reference.Width(), picture.Width());
    ASSERT_EQ(reference.Height(), picture.Height());
    // The text's cell: 3 bytes of 15 units from (260, 250) up by 30, and a pixel around it.
    const RECT text{259, 219, 306, 251};
    int differing = 0, dark = 0, textInk = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            bool inText = x >= text.left && x <= text.right && y >= text.top && y <= text.bottom;
            if (inText) {
                textInk += picture.IsDark(x, y);
                continue;
            }
            differing += std::abs(picture.Grey(x, y) - reference.Grey(x, y)) > 64;
            dark += reference.IsDark(x, y);
        }
    EXPECT_LE(differing, picture.Width() * picture.Height() / 100);
    EXPECT_GT(dark, 10000) << "the reference holds the drawables";
    EXPECT_GT(textInk, 50) << "the text is drawn in its cell";
    int inkOutsideCell = 0;
    for (int y = 205; y < 265; ++y)
        for (int x = 245; x < 320; ++x)
            inkOutsideCell +=
                picture.IsDark(x, y) && !(x >= text.left && x <= text.right && y >= text.top && y <= text.bottom);
    EXPECT_EQ(0, inkOutsideCell);
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
