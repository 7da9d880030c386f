// CELL layouts interpreted into pages: where texts and lines land on the page (0.1 mm, y down),
// worked out by hand from the layout's area, virtual cell space and blocks.
#include "print/MFileCellAttrib.h"
#include "print/MPrintFilesetCell.h"
#include "tests/print/PrintRunSupport.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

using printtest::RecordingDC;
using printtest::RecordingImp;

namespace {

// The lines that the check-result list writes before its entries.
const char CheckResultHead[] = "AREA 20,20,15,15\n"
                               "VCS 0,0,90,59\n"
                               "ROW_NUM 59\n"
                               "COLUMN_NUM 90\n"
                               "ACTIVE_CELL 0,0\n"
                               "TEXT_SIZE 0.8,0.8\n"
                               "TEXT_ALIGN Center,Left\n";

// A grid of 0.1-mm VCS units over the whole A4 page, one unit a row and a column: the page
// position of a VCS point is ten times the point.
const char MillimetreGrid[] = "VCS 0,0,210,297\n"
                              "ROW_NUM 297\n"
                              "COLUMN_NUM 210\n"
                              "TEXT_SIZE 1\n";

class CellLayoutTest : public ::testing::Test {
protected:
    // Prints the layout (with that data file unless it is null) and gives every event.
    std::vector<std::string> Print(const std::string& layout, const char* data = nullptr, int page = 0)
    {
        std::string layoutPath = printtest::WriteFile(temp, "layout.lay", layout);
        std::string dataPath = data ? printtest::WriteFile(temp, "layout.kpd", data) : temp.Path("none.kpd");
        MPrintFilesetCell cell(printtest::WinPath(layoutPath), printtest::WinPath(dataPath));
        cell.SetRenderer(&imp);
        cell.SetPrintToDevice(1);
        dc.events.clear();
        EXPECT_EQ(1, cell.Begin(&dc, 0));
        EXPECT_EQ(1, page ? cell.PrintPage(page) : cell.Print());
        cell.Finish();
        return dc.events;
    }

    // The events between StartDoc and EndDoc.
    std::vector<std::string> Drawn(const std::string& layout, const char* data = nullptr, int page = 0)
    {
        std::vector<std::string> events = Print(layout, data, page);
        EXPECT_GE(events.size(), 2u);
        EXPECT_EQ("EndDoc", events.back());
        return std::vector<std::string>(events.begin() + 1, events.end() - 1);
    }

    // Prints the layout, without a data file, straight onto the recording device; gives the layout's
    // Windows path.
    CString PrintOnTheDevice(const std::string& layout)
    {
        CString layoutPath = printtest::WinPath(printtest::WriteFile(temp, "layout.lay", layout));
        MPrintFilesetCell cell(layoutPath, printtest::WinPath(temp.Path("none.kpd")));
        EXPECT_EQ(1, cell.Begin(&dc, 0));
        EXPECT_EQ(1, cell.Print());
        cell.Finish();
        return layoutPath;
    }

    testsupport::TempFolder temp;
    RecordingDC dc;
    RecordingImp imp{dc.events};
};

TEST_F(CellLayoutTest, CheckResultListPage)
{
    std::string layout = std::string(CheckResultHead) + "TEXT \"検査結果\"\n"
                         "ACTIVE_CELL 3,2\nTEXT \"第一面：建築主が未入力です。\"\n"
                         "ACTIVE_CELL 4,2\nTEXT \"第二面：敷地が未入力です。\"\nFORMFEED\n";
    std::vector<std::string> events = Print(layout);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ("StartDoc " + std::string(printtest::WinPath(temp.Path("layout.lay"))), events.front());
    // The area runs from (200, 200) to (1950, 2820): a unit is 1750 / 90 wide and 2620 / 59 high,
    // and a text's bottom stands 0.9 of a row below its row's top.
    EXPECT_EQ((std::vector<std::string>{
                  "StartPage",
                  "Text (200, 239.97) h=35.53 w=15.56 align=0 style=0 color=0 検査結果",
                  "Text (238.89, 373.19) h=35.53 w=15.56 align=0 style=0 color=0 第一面：建築主が未入力です。",
                  "Text (238.89, 417.59) h=35.53 w=15.56 align=0 style=0 color=0 第二面：敷地が未入力です。",
                  "EndPage",
                  "EndDoc",
              }),
              std::vector<std::string>(events.begin() + 1, events.end()));
}

TEST_F(CellLayoutTest, CheckResultListOnTheDevice)
{
    std::string layout = std::string(CheckResultHead) + "TEXT \"検査結果\"\n"
                         "ACTIVE_CELL 3,2\nTEXT \"第一面\"\nACTIVE_CELL 4,2\nTEXT \"第二面\"\nFORMFEED\n";
    std::string name(PrintOnTheDevice(layout));
    std::vector<std::string> calls;
    const DcRecord* title = nullptr;
    for (const DcRecord& record : dc.GetRecords()) {
        if (record.call != "TextOut") {
            calls.push_back(record.Call());
            continue;
        }
        title = title ? title : &record;
        calls.push_back(record.Call() + printtest::Format(" device (%g, %g)", record.device[0].x, record.device[0].y));
        EXPECT_EQ(-36, record.state.font.lfHeight);
        EXPECT_EQ(16, record.state.font.lfWidth);
        EXPECT_EQ(0, record.state.font.lfEscapement);
        EXPECT_EQ((UINT)(TA_LEFT | TA_BOTTOM), record.state.textAlign);
        EXPECT_EQ(R2_MASKPEN, record.state.rop2);
        EXPECT_EQ(TRANSPARENT, record.state.bkMode);
        EXPECT_EQ(RGB(0, 0, 0), record.state.textColor);
        EXPECT_EQ(MM_ANISOTROPIC, record.state.mapMode);
    }
    EXPECT_EQ((std::vector<std::string>{"StartDoc " + name, "StartPage",
                                        "TextOut(200,240,\"検査結果\",8) device (372, 447)",
                                        "TextOut(239,373,\"第一面\",6) device (465, 761)",
                                        "TextOut(239,418,\"第二面\",6) device (465, 867)", "EndPage", "EndDoc"}),
              calls);
}

TEST_F(CellLayoutTest, ImageInItsBlockOnTheDevice)
{
    std::string image = printtest::WriteFile(temp, "wide image.bmp", printtest::Bmp24(200, 100));
    int objects = AfxGdiObjectCount();
    // The block is 10 units wide and 20 high at (10, 10): the page box (100, 100)-(200, 300), the
    // image fitted to its width and centred in its height.
    std::string layout = std::string(MillimetreGrid) + "ACTIVE_CELL 10,10,29,19\nIMPORT_IMAGE \"" +
                         std::string(printtest::WinPath(image)) + "\"\nACTIVE_CELL 1,1\nIMPORT_IMAGE missing.bmp\n";
    PrintOnTheDevice(layout);
    std::vector<std::string> calls = dc.GetCalls();
    ASSERT_EQ(5u, calls.size());
    EXPECT_EQ(0u, calls[2].find("StretchBlt(100,175,100,50,0,0,200,100,#")) << calls[2];
    EXPECT_EQ(objects, AfxGdiObjectCount());
}

TEST_F(CellLayoutTest, LinePensOnTheDevice)
{
    std::string layout = std::string(CheckResultHead) + "ACTIVE_CELL 3,2\nLINE LB,RB\nLINE_STYLE Thin,Dash\nLINE LB,RB\n"
                                                        "LINE_STYLE Thick,Solid\nLINE LB,RB\n";
    PrintOnTheDevice(layout);
    std::vector<std::string> pens;
    for (const DcRecord& record : dc.GetRecords())
        if (record.call == "LineTo")
            pens.push_back(record.Call() + printtest::Format(" pen %g/%g", record.state.penStyle, record.state.penWidth));
    EXPECT_EQ((std::vector<std::string>{"LineTo(258,378) pen 0/1", "LineTo(258,378) pen 1/5", "LineTo(258,378) pen 0/15"}),
              pens);
    std::vector<std::string> moves;
    for (const DcRecord& record : dc.GetRecords())
        if (record.call == "MoveTo")
            moves.push_back(record.Call());
    EXPECT_EQ(std::vector<std::string>(3, "MoveTo(239,378)"), moves);
}

TEST_F(CellLayoutTest, DefaultsPlaceATextInRowOneColumnOne)
{
    // A 10 × 10 grid over the whole A4 paper; the text 8 units high at the block's bottom-left.
    EXPECT_EQ((std::vector<std::string>{"StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 A",
                                        "EndPage"}),
              Drawn("TEXT \"A\"\n"));
}

TEST_F(CellLayoutTest, LinesAndTheirStyles)
{
    std::string layout = std::string(CheckResultHead) + "ACTIVE_CELL 3,2\nLINE LB,RB\n"
                                                        "LINE_STYLE Thin,Dash\nLINE LT,RT\n"
                                                        "LINE_STYLE Thick,Solid\nLINE lc,rc\n"
                                                        "LINE_STYLE Fine,Dot\nLINE CT,CB\n"
                                                        "LINE_STYLE Thin,DashDot\nLINE RB,XX\n";
    EXPECT_EQ((std::vector<std::string>{
                  "StartPage",
                  "Line (238.89, 377.63)-(258.33, 377.63) type=0 width=0",
                  "Line (238.89, 333.22)-(258.33, 333.22) type=1 width=1",
                  "Line (238.89, 355.42)-(258.33, 355.42) type=0 width=2",
                  "Line (248.61, 333.22)-(248.61, 377.63) type=2 width=0",
                  "Line (258.33, 377.63)-(238.89, 377.63) type=3 width=1",
                  "EndPage",
              }),
              Drawn(layout));
}

TEST_F(CellLayoutTest, PagesAreMadeOnlyOfWhatIsDrawn)
{
    struct Case {
        const char* layout;
        int pages;
    } cases[] = {
        {"", 0},
        {"AREA 20,20\nVCS 0,0,10,10\nACTIVE_CELL 1,1\nFORMFEED\n", 0},
        {"TEXT \"A\"\nTEXT \"B\"\n", 1},
        {"TEXT \"A\"\nFORMFEED\nFORMFEED\nTEXT \"B\"\n", 2},
        {"TEXT \"A\"\nFORMFEED\n", 1},
        {"TEXT \"A,B\"\n", 0},
        {" TEXT \"A\"\n\tTEXT \"B\"\n#TEXT \"C\"\n", 0},
        {"IMPORT_IMAGE \"missing.bmp\"\n", 0},
        {"text \"A\"\nFormFeed\nTeXt \"B\"\n", 2},
        {"TEXT A\nTEXT \"\"\nTEXT_KEY \"none\"\n", 0},
    };
    for (const Case& c : cases) {
        std::vector<std::string> events = Print(c.layout);
        EXPECT_EQ(c.pages, dc.Count("StartPage")) << c.layout;
        EXPECT_EQ(c.pages, dc.Count("EndPage")) << c.layout;
    }
}

TEST_F(CellLayoutTest, BlocksAndPlacementsInCellUnits)
{
    // A block of rows 10 to 11 and columns 10 to 13 (4 wide, 2 high; bottom-left (10, 12)); the
    // text 1 high, each byte 1 wide.
    struct Case {
        const char* lines;
        const char* text;
    } cases[] = {
        {"", "Text (100, 120) h=10 w=10 align=0"},
        {"TEXT_ALIGN Top,Right\n", "Text (140, 110) h=10 w=10 align=2"},
        {"TEXT_ALIGN Center,Center\n", "Text (120, 115) h=10 w=10 align=1"},
        {"TEXT_POSITION Top,Right\n", "Text (80, 130) h=10 w=10 align=0"},
        {"TEXT_POSITION Center,Center\n", "Text (90, 125) h=10 w=10 align=0"},
        {"TEXT_ALIGN Bottom,Center\nTEXT_POSITION Top,Right\n", "Text (120, 120) h=10 w=10 align=1"},
        {"TEXT_OFFSET 0.5,0.5\n", "Text (105, 125) h=10 w=10 align=0"},
        {"TEXT_OFFSET 0.5\n", "Text (105, 120) h=10 w=10 align=0"},
        {"TEXT_SIZE 2,0.5\n", "Text (100, 120) h=20 w=5 align=0"},
        {"TEXT_ALIGN Middle,Right\n", "Text (140, 120) h=10 w=10 align=2"},
        {"TEXT_ALIGN Top,Top\n", "Text (100, 110) h=10 w=10 align=0"},
        {"TEXT_ALIGN Left,Left\n", "Text (100, 120) h=10 w=10 align=0"},
    };
    for (const Case& c : cases) {
        std::string layout = std::string(MillimetreGrid) + "ACTIVE_CELL 10,10,11,13\n" + c.lines + "TEXT \"AB\"\n";
        std::vector<std::string> events = Drawn(layout);
        ASSERT_EQ(3u, events.size()) << c.lines;
        EXPECT_EQ(std::string(c.text) + " style=0 color=0 AB", events[1]) << c.lines;
    }
}

TEST_F(CellLayoutTest, ActiveCellForms)
{
    std::string grid = std::string(MillimetreGrid) + "TEXT_ALIGN Top,Right\n";
    EXPECT_EQ(Drawn(grid + "ACTIVE_CELL 3,2\nTEXT \"A\"\n"), Drawn(grid + "ACTIVE_CELL 3,2,3,2\nTEXT \"A\"\n"));
    // Rows 0 to 1 and columns 0 to 4: 5 wide and 2 high, anchored at (0, 2).
    EXPECT_EQ("Text (50, 10) h=10 w=10 align=2 style=0 color=0 A",
              Drawn(grid + "ACTIVE_CELL 0,0,1,4\nTEXT \"A\"\n").at(1));
    // Three numbers are not a block: the block stays.
    EXPECT_EQ("Text (50, 10) h=10 w=10 align=2 style=0 color=0 A",
              Drawn(grid + "ACTIVE_CELL 0,0,1,4\nACTIVE_CELL 7,7,7\nTEXT \"A\"\n").at(1));
}

TEST_F(CellLayoutTest, TextKeysFromTheDataFile)
{
    const char data[] = "# comment\n"
                        "\"K1\"\t\"値一\"\n"
                        "\"K1\"\t\"二番目\"\n"
                        "\"k2\" \"小文字\"\n"
                        "\"K2\" \"太字\", Bold\n"
                        "\"K3\"\t\"語でない\", Heavy\n"
                        "\"K4\"\n";
    std::string layout = std::string(MillimetreGrid) + "FONT_STYLE Italic\n"
                                                       "ACTIVE_CELL 1,1\nTEXT_KEY \"K1\"\n"
                                                       "ACTIVE_CELL 2,1\nTEXT_KEY \"K2\"\n"
                                                       "ACTIVE_CELL 3,1\nTEXT_KEY \"K3\"\n"
                                                       "ACTIVE_CELL 4,1\nTEXT_KEY \"K4\"\nTEXT \"X\"\n";
    EXPECT_EQ((std::vector<std::string>{
                  "StartPage",
                  "Text (10, 20) h=10 w=10 align=0 style=256 color=0 値一",
                  "Text (10, 30) h=10 w=10 align=0 style=512 color=0 太字",
                  "Text (10, 40) h=10 w=10 align=0 style=256 color=0 語でない",
                  "Text (10, 50) h=10 w=10 align=0 style=256 color=0 X",
                  "EndPage",
              }),
              Drawn(layout, data));
    // Without the data file the keys draw nothing and the rest prints.
    EXPECT_EQ((std::vector<std::string>{"StartPage", "Text (10, 50) h=10 w=10 align=0 style=256 color=0 X",
                                        "EndPage"}),
              Drawn(layout));
}

TEST_F(CellLayoutTest, FontStylesAndColours)
{
    const char data[] = "\"K\"\t\"値\", UnderLine\n\"N\"\t\"無\"\n";
    std::string layout = std::string(MillimetreGrid) + "FONT_STYLE StrikeOut\nTEXT \"A\"\n"
                                                       "FONT_STYLE Normal\nFONT_COLOR 5\nTEXT \"B\"\n"
                                                       "FONT_STYLE Heavy\nFONT_COLOR 300\nTEXT \"C\"\n"
                                                       "TEXT_KEY \"K\"\nTEXT_KEY \"N\"\nFONT_COLOR 256\nTEXT_KEY \"K\"\n";
    EXPECT_EQ((std::vector<std::string>{
                  "StartPage",
                  "Text (100, 200) h=10 w=10 align=0 style=8 color=0 A",
                  "Text (100, 200) h=10 w=10 align=0 style=0 color=5 B",
                  "Text (100, 200) h=10 w=10 align=0 style=0 color=300 C",
                  "Text (100, 200) h=10 w=10 align=0 style=1 color=4 値",
                  "Text (100, 200) h=10 w=10 align=0 style=0 color=0 無",
                  "Text (100, 200) h=10 w=10 align=0 style=1 color=256 値",
                  "EndPage",
              }),
              Drawn(layout, data));
}

TEST_F(CellLayoutTest, LinesThatWouldBreakTheGridChangeNothing)
{
    std::string expected = Drawn(std::string(MillimetreGrid) + "ACTIVE_CELL 3,2\nTEXT \"A\"\n").at(1);
    for (const char* line : {"ROW_PITCH 0.5\n", "COLUMN_PITCH 0\n", "ROW_PITCH -3\n", "ROW_NUM 0\n", "COLUMN_NUM -1\n",
                             "VCS 1,1,1,5\n", "VCS 0,7,10,7\n", "VCS 3\n", "ROW_NUM\n", "TEXT_SIZE\n", "PAPER A3\n",
                             "LINE LB\n", "ACTIVE_CELL 1\n", "ROW_PITCH nan\n"}) {
        std::string layout = std::string(MillimetreGrid) + line + "ACTIVE_CELL 3,2\nTEXT \"A\"\n";
        std::vector<std::string> events = Drawn(layout);
        ASSERT_EQ(3u, events.size()) << line;
        EXPECT_EQ(expected, events[1]) << line;
    }
}

TEST_F(CellLayoutTest, PaperIsSetBeforeItsPages)
{
    struct Case {
        const char* layout;
        std::vector<std::string> events;
    } cases[] = {
        {"TEXT \"A\"\n", {"StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 A", "EndPage"}},
        {"PAPER A3,Landscape\nTEXT \"A\"\nFORMFEED\nTEXT \"B\"\n",
         {"ResetDC 8 2", "StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 A", "EndPage",
          "StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 B", "EndPage"}},
        {"TEXT \"A\"\nPAPER b4,portrate\nTEXT \"B\"\nPAPER A4,Portrate\nTEXT \"C\"\nPAPER Letter,Landscape\n",
         // The device was left on A3 landscape: the layout's A4 portrait comes first.
         {"ResetDC 9 1", "StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 A", "EndPage",
          "ResetDC 12 1",
          "StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 B", "EndPage", "ResetDC 9 1",
          "StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 C", "EndPage", "ResetDC 9 2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.events, Drawn(c.layout)) << c.layout;
    // The job's device context keeps the paper; nothing else changes.
    EXPECT_EQ(DMORIENT_LANDSCAPE, dc.GetOrientation());
    EXPECT_EQ(4961, dc.GetDeviceCaps(PHYSICALHEIGHT));
    // The paper in force again changes nothing; another one resets the device context.
    MPrintFilesetCell cell("x", "y");
    ASSERT_EQ(0, cell.Begin(&dc, 0));
    dc.events.clear();
    EXPECT_EQ(0, cell.SetPaper(DMORIENT_LANDSCAPE, DMPAPER_A4));
    EXPECT_EQ(1, cell.SetPaper(DMORIENT_PORTRAIT, DMPAPER_A3));
    EXPECT_EQ(std::vector<std::string>{"ResetDC 8 1"}, dc.events);
    EXPECT_EQ(7016, dc.GetDeviceCaps(PHYSICALWIDTH));
}

TEST_F(CellLayoutTest, PrintPageStartsFromTheDefaultState)
{
    std::string layout = "TEXT_SIZE 2\nTEXT \"1\"\nFORMFEED\nTEXT \"2\"\nFORMFEED\nTEXT \"3\"\n";
    EXPECT_EQ((std::vector<std::string>{"StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 2",
                                        "EndPage"}),
              Drawn(layout, nullptr, 2));
    EXPECT_EQ((std::vector<std::string>{"StartPage", "Text (210, 594) h=237.6 w=168 align=0 style=0 color=0 3",
                                        "EndPage"}),
              Drawn(layout, nullptr, 3));
    EXPECT_EQ(0, (int)Drawn(layout, nullptr, 4).size());
}

TEST(CellState, GridGeometry)
{
    MFileCellAttrib state(nullptr, nullptr);
    state.SetArea(20, 20, 15, 15);
    EXPECT_EQ("(200, 2820)-(1950, 200)", RecordingImp::Point(state.GetAreaRect().GetCorner1()) + "-" +
                                             RecordingImp::Point(state.GetAreaRect().GetCorner2()));
    state.SetArea(20, 20, 0, 0);
    EXPECT_EQ("(200, 2970)-(2100, 200)", RecordingImp::Point(state.GetAreaRect().GetCorner1()) + "-" +
                                             RecordingImp::Point(state.GetAreaRect().GetCorner2()));
    ASSERT_TRUE(state.SetVcs(0, 0, 90, 59));
    ASSERT_TRUE(state.SetRowCount(59));
    EXPECT_EQ(1.0, state.GetRowPitch());
    ASSERT_TRUE(state.SetRowPitch(2.5));
    EXPECT_EQ(29, state.GetRowCount());
    ASSERT_TRUE(state.SetColumnPitch(7));
    EXPECT_EQ(12, state.GetColumnCount());
    state.m_paperSize = MFileCellAttrib::A3;
    state.m_orientation = 1;
    EXPECT_EQ(4200, state.GetPaperWidth());
    EXPECT_EQ(2970, state.GetPaperHeight());
    state.m_paperSize = 999;
    EXPECT_EQ(0, state.GetPaperWidth());
    state.m_paperSize = MFileCellAttrib::B4;
    state.m_orientation = 0;
    EXPECT_EQ(2500, state.GetPaperWidth());
    EXPECT_EQ(3540, state.GetPaperHeight());
}

} // namespace

namespace {

// Damaged layouts and data files: each prints or prints less, never reads outside its input and
// never crashes; every page started is ended.
TEST(CellLayoutFixtures, DamagedLayoutsPrintWhatTheyCan)
{
    std::mt19937 random(7121);
    testsupport::TempFolder temp;
    for (const char* name : {"check-result", "every-keyword"}) {
        std::string layout = printtest::ReadFile(testsupport::DataPath(std::string("print/layouts/") + name + ".lay"));
        std::string data = printtest::ReadFile(testsupport::DataPath("print/layouts/every-keyword.kpd"));
        for (int round = 0; round < 40; ++round) {
            std::string damaged = layout, damagedData = data;
            if (round % 4 == 0)
                damaged.resize(random() % damaged.size());
            for (int flips = 1 + random() % 6; flips > 0 && !damaged.empty(); --flips)
                damaged[random() % damaged.size()] ^= static_cast<char>(1 << random() % 8);
            damagedData[random() % damagedData.size()] ^= static_cast<char>(1 << random() % 8);
            std::string layoutPath = printtest::WriteFile(temp, "layout.lay", damaged);
            std::string dataPath = printtest::WriteFile(temp, "layout.kpd", damagedData);
            printtest::RecordingDC dc;
            MPrintFilesetCell cell(printtest::WinPath(layoutPath), printtest::WinPath(dataPath));
            ASSERT_EQ(1, cell.Begin(&dc, 0));
            EXPECT_EQ(1, cell.Print());
            cell.Finish();
            EXPECT_EQ(dc.Count("StartPage"), dc.Count("EndPage")) << name << " " << round;
        }
    }
}

} // namespace
