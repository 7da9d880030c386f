// BMP files for CELL pages: the pixels of each kind of file as they reach the device, refusals, and
// the box an image is stretched into.
#include "print/MPrintBitmap.h"
#include "platform/wnd/CPalette.h"
#include "platform/wnd/CRecordingDC.h"
#include "print/VhTrans.h"
#include "tests/print/PrintRunSupport.h"
#include "tests/readers/BoundedChild.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace {

const uint32_t Red = 0xFF0000, Lime = 0x00FF00, Blue = 0x0000FF, White = 0xFFFFFF, Black = 0, Brown = 0x804020;

std::string Fixture(const std::string& name)
{
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".hex") == 0)
        return testsupport::ReadHexFixture("print/bitmaps/" + name);
    std::ifstream in(testsupport::DataPath("print/bitmaps/" + name), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// A device context that keeps the source pixels of the last StretchBlt (0xRRGGBB, top row first).
class PixelsDC : public CDC {
public:
    std::vector<uint32_t> pixels;

protected:
    void Output(const DcOutput& output) override
    {
        if (output.call != DcOutput::StretchBlt)
            return;
        pixels.clear();
        for (int y = 0; y < output.source.bottom - output.source.top; ++y)
            pixels.insert(pixels.end(), output.SourceRow(y),
                          output.SourceRow(y) + output.source.right - output.source.left);
    }
};

// The headers of a bottom-up BMP of that size and bits per pixel with a colour table of black and
// white, its pixels to follow.
std::string BmpHeaders(uint32_t width, uint32_t height, uint16_t bits = 1)
{
    auto le32 = [](uint32_t v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    uint32_t stride = (width * bits + 31) / 32 * 4;
    return "BM" + le32(62 + stride * height) + le32(0) + le32(62) + le32(40) + le32(width) + le32(height) +
           std::string{1, 0, char(bits), 0} + le32(0) + le32(stride * height) + le32(0) + le32(0) + le32(2) + le32(0) +
           le32(0) + le32(White);
}

class BitmapTest : public ::testing::Test {
protected:
    // Loads the bytes from a file; Load's result.
    int Load(MPrintBitmap& bitmap, const std::string& bytes)
    {
        bitmap.SetPath(printtest::WinPath(printtest::WriteFile(temp, "image.bmp", bytes)));
        return bitmap.Load();
    }

    testsupport::TempFolder temp;
};

TEST_F(BitmapTest, DecodesEveryKind)
{
    const std::vector<uint32_t> sixColours{Red, Lime, Blue, White, Black, Brown};
    std::vector<uint32_t> row17;
    for (uint32_t i = 0; i <= 16; ++i)
        row17.push_back((i * 15) << 16 | (100 + i) << 8 | (255 - i * 15));
    struct Case {
        const char* fixture;
        int width, height;
        std::vector<uint32_t> pixels;
        size_t paletteSize;
    } cases[] = {
        {"rgb24_v3.bmp", 3, 2, sixColours, 0},
        {"rgb24_v5.bmp", 3, 2, sixColours, 0},
        {"argb32_v5.bmp", 3, 2, sixColours, 0},
        {"pal4_v3.bmp", 3, 2, sixColours, 16},
        {"pal8_v3.bmp", 17, 1, row17, 256},
        {"mono1_v3.bmp", 3, 2, {Black, White, Black, White, White, Black}, 2},
        {"rgb24_topdown.hex", 3, 2, sixColours, 0},
        {"rgb24_v4_gap.hex", 3, 2, sixColours, 0},
    };
    for (const Case& c : cases) {
        MPrintBitmap bitmap;
        PixelsDC dc;
        ASSERT_EQ(1, Load(bitmap, Fixture(c.fixture))) << c.fixture;
        bitmap.SetDC(&dc);
        EXPECT_EQ(1, bitmap.Draw(nullptr)) << c.fixture;
        EXPECT_EQ(c.width, bitmap.GetWidth()) << c.fixture;
        EXPECT_EQ(c.height, bitmap.GetHeight()) << c.fixture;
        EXPECT_EQ(c.pixels, dc.pixels) << c.fixture;
        EXPECT_EQ(c.paletteSize, bitmap.GetPalette().size()) << c.fixture;
    }
}

TEST_F(BitmapTest, RefusesWhatItCannotDraw)
{
    std::string good = Fixture("rgb24_v3.bmp");
    auto with = [&](size_t offset, std::string bytes) { return good.substr(0, offset) + bytes + good.substr(offset + bytes.size()); };
    struct Case {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"not BM", Fixture("not_bm_refused.hex")},
        {"XM", with(0, "X")},
        {"BX", with(1, "X")},
        {"RLE8", Fixture("pal8_rle_refused.bmp")},
        {"file header only", good.substr(0, 14)},
        {"short header", good.substr(0, 40)},
        {"one pixel byte short", good.substr(0, good.size() - 1)},
        {"pixels past the end", with(10, std::string("\x37\0\0\0", 4))},
        {"pixel offset inside the file header", with(10, std::string("\x05\0\0\0", 4))},
        {"header longer than the file", with(14, std::string("\x00\x10\0\0", 4))},
        {"header of 12 bytes", with(14, std::string("\x0C\0\0\0", 4))},
        {"2 bits per pixel", with(28, std::string("\x02\0", 2))},
        {"width 0", with(18, std::string("\0\0\0\0", 4))},
        {"negative width", with(18, std::string("\xFD\xFF\xFF\xFF", 4))},
        {"huge height", with(22, std::string("\0\0\0\x40", 4))},
        {"JPEG compression", with(30, std::string("\x04\0\0\0", 4))},
        {"bit fields on 24 bits", with(30, std::string("\x03\0\0\0", 4))},
        {"colours used beyond 256", with(46, std::string("\x01\x01\0\0", 4))},
    };
    for (const Case& c : cases) {
        MPrintBitmap bitmap;
        EXPECT_EQ(0, Load(bitmap, c.bytes)) << c.what;
        EXPECT_EQ(0, bitmap.GetWidth()) << c.what;
        EXPECT_TRUE(bitmap.GetDib().empty()) << c.what;
    }
    MPrintBitmap missing;
    missing.SetPath(printtest::WinPath(temp.Path("none.bmp")));
    EXPECT_EQ(0, missing.Load());
    // A colour index beyond a short colour table (one colour used of two) is refused, also when it
    // is the first pixel of the picture's bottom row alone; the same file whose pixels all take the
    // one colour loads.
    std::string mono = Fixture("mono1_v3.bmp");
    mono[46] = 1;
    MPrintBitmap shortTable;
    EXPECT_EQ(0, Load(shortTable, mono));
    EXPECT_EQ(0, Load(shortTable, mono.substr(0, 62) + std::string("\x80\0\0\0", 4) + std::string(4, '\0')));
    EXPECT_EQ(1, Load(shortTable, mono.substr(0, 62) + std::string(8, '\0')));
}

// A file is read as far as its headers describe it, and an image of more pixels than an A3 page at
// 600 dpi (7,016 x 9,921) is refused by its header. Each load runs in a child that may take 64 MB
// more memory, so that reading or decoding a whole large file ends the child rather than taking
// the machine's memory; the large files are sparse and cost no disk.
TEST_F(BitmapTest, ReadsAsFarAsItsHeadersDescribe)
{
    const std::string small = printtest::Bmp24(2, 2); // 54 bytes of headers and two rows of 8
    auto with = [&](size_t offset, std::string bytes) {
        return small.substr(0, offset) + bytes + small.substr(offset + bytes.size());
    };
    const uint64_t GiB = uint64_t(1) << 30;
    struct Case {
        const char* what;
        std::string bytes;
        uint64_t length;     // the file's length: the bytes cut, or followed by zeros
        const char* outcome; // Load's result, the DIB's bytes and the image's size
    } cases[] = {
        {"whole", small, 70, "1 56 2x2"},
        {"followed by 200 MB", small, 200 << 20, "1 56 2x2"},
        {"one byte shorter than its headers say", small, 69, "0 0 0x0"},
        {"65536 x 65536 at 32 bits in 70 bytes", with(18, std::string("\0\0\1\0\0\0\1\0\1\0\x20\0", 12)), 70,
         "0 0 0x0"},
        {"pixels inside the information header", with(10, std::string("\x20\0\0\0", 4)), 70, "0 0 0x0"},
        {"information header of 4 GB", with(14, std::string("\xFF\xFF\xFF\xFF", 4)), 70, "0 0 0x0"},
        {"2 GB with a 2 x 2 header", small, 2 * GiB, "0 0 0x0"},
        {"4 GB and 70 bytes", small, 4 * GiB + 70, "0 0 0x0"},
        {"4 GB", small, 4 * GiB, "0 0 0x0"},
        // 880 bytes a row at 1 bit; 28,064 and 28,068 at 32 bits.
        {"7,016 x 9,921 at 1 bit", BmpHeaders(7016, 9921), 62 + 880 * 9921, "1 8730528 7016x9921"},
        {"7,017 x 9,921 at 32 bits", BmpHeaders(7017, 9921, 32), 62 + 28068ull * 9921, "0 0 0x0"},
        {"7,016 x 9,922 at 32 bits", BmpHeaders(7016, 9922, 32), 62 + 28064ull * 9922, "0 0 0x0"},
    };
    for (const Case& c : cases) {
        std::string path = printtest::WriteFile(temp, "image.bmp", c.bytes);
        std::filesystem::resize_file(path, c.length);
        std::string outcome = readertest::RunBoundedText(
            [&] {
                MPrintBitmap bitmap;
                bitmap.SetPath(printtest::WinPath(path));
                int loaded = bitmap.Load();
                return std::to_string(loaded) + " " + std::to_string(bitmap.GetDib().size()) + " " +
                       std::to_string(bitmap.GetWidth()) + "x" + std::to_string(bitmap.GetHeight());
            },
            64);
        EXPECT_EQ(c.outcome, outcome) << c.what;
    }
}

TEST_F(BitmapTest, PathsInQuotes)
{
    MPrintBitmap bitmap;
    bitmap.SetPath("\"C:\\a b\\c.bmp\"");
    EXPECT_EQ(CString("C:\\a b\\c.bmp"), bitmap.GetPath());
    bitmap.SetPath("\"");
    EXPECT_EQ(CString(""), bitmap.GetPath());
    bitmap.SetPath("c.bmp");
    EXPECT_EQ(CString("c.bmp"), bitmap.GetPath());
}

TEST_F(BitmapTest, FitsTheBoxKeepingItsProportions)
{
    // x, y, width and height of the stretch for an image in a box at (0, 0).
    struct Case {
        int imageWidth, imageHeight;
        double boxWidth, boxHeight;
        RECT expected; // left, top, width, height
    } cases[] = {
        {200, 100, 100, 100, {0, 25, 100, 50}},  // square box, wide image: fit width
        {100, 200, 300, 100, {125, 0, 50, 100}}, // wide box, tall image: fit height
        {100, 100, 100, 100, {0, 0, 100, 100}},  // square, square: fit height
        {100, 200, 100, 100, {25, 0, 50, 100}},  // square box, tall image: fit height
        {100, 100, 100, 300, {0, 100, 100, 100}}, // tall box, square image: fit width
        {200, 100, 100, 300, {0, 125, 100, 50}},  // tall box, wide image: fit width
        {100, 100, 300, 100, {100, 0, 100, 100}}, // wide box, square image: fit height
        {100, 300, 100, 200, {17, 0, 66, 200}},   // tall, tall, taller image: fit height
        {100, 150, 100, 200, {0, 25, 100, 150}},  // tall, tall, less tall image: fit width
        {300, 100, 200, 100, {0, 17, 200, 66}},   // wide, wide, wider image: fit width
        {150, 100, 200, 100, {25, 0, 150, 100}},  // wide, wide, less wide image: fit height
        {200, 100, 200, 100, {0, 0, 200, 100}},   // the same shape: fit width
    };
    for (const Case& c : cases) {
        MPrintBitmap bitmap;
        ASSERT_EQ(1, Load(bitmap, printtest::Bmp24(c.imageWidth, c.imageHeight)));
        bitmap.SetRect(0, 0, c.boxWidth, c.boxHeight);
        VhTrans identity;
        RECT r = bitmap.Destination(&identity);
        EXPECT_EQ((std::vector<LONG>{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}),
                  (std::vector<LONG>{r.left, r.top, r.right - r.left, r.bottom - r.top}))
            << c.imageWidth << "x" << c.imageHeight << " in " << c.boxWidth << "x" << c.boxHeight;
    }
}

TEST_F(BitmapTest, BoxUnderTheCellsTransform)
{
    MPrintBitmap bitmap;
    ASSERT_EQ(1, Load(bitmap, printtest::Bmp24(200, 100)));
    // A block 0.4 × 0.4 units, 250 page units to a unit, y mirrored: the box is not cut to whole units.
    bitmap.SetRect(0, 0, 0.4, 0.4);
    VhTrans trans;
    trans.RotateX(M_PI);
    trans.Scale(1 / 250.0, 1 / 250.0, 1);
    trans.Translate(VhPoint(1000, 2000));
    RECT r = bitmap.Destination(&trans);
    EXPECT_EQ((std::vector<LONG>{1000, 1925, 1100, 1975}), (std::vector<LONG>{r.left, r.top, r.right, r.bottom}));
    // Without a transform: the image's own size at the rectangle's corner.
    bitmap.SetRect(5, 7, 0, 0);
    r = bitmap.Destination(nullptr);
    EXPECT_EQ((std::vector<LONG>{5, 7, 205, 107}), (std::vector<LONG>{r.left, r.top, r.right, r.bottom}));
}

// FNV-1a over the pixels' bytes (0xRRGGBB, lowest byte first), as the recording shows it.
std::string Checksum(const std::vector<uint32_t>& pixels)
{
    uint32_t hash = 2166136261u;
    for (uint32_t pixel : pixels)
        for (int shift = 0; shift < 32; shift += 8)
            hash = (hash ^ ((pixel >> shift) & 0xFF)) * 16777619u;
    char text[12];
    snprintf(text, sizeof text, "#%08x", hash);
    return text;
}

TEST_F(BitmapTest, StretchedOntoTheDevice)
{
    CRecordingDC dc(AfxPaperDevice(TRUE, 600, 210, 297));
    struct Case {
        int width, height;
        double boxWidth, boxHeight;
        const char* destination;
    } cases[] = {{200, 100, 100, 100, "0,25,100,50"}, {100, 200, 300, 100, "125,0,50,100"}};
    for (const Case& c : cases) {
        MPrintBitmap bitmap;
        ASSERT_EQ(1, Load(bitmap, printtest::Bmp24(c.width, c.height)));
        bitmap.SetRect(0, 0, c.boxWidth, c.boxHeight);
        bitmap.SetDC(&dc);
        dc.ClearRecords();
        VhTrans identity;
        EXPECT_EQ(1, bitmap.Draw(&identity));
        std::string source = std::to_string(c.width) + "," + std::to_string(c.height) + ",";
        EXPECT_EQ(std::vector<std::string>{"StretchBlt(" + std::string(c.destination) + ",0,0," + source +
                                           Checksum(std::vector<uint32_t>(size_t(c.width) * c.height, 0)) + ")"},
                  dc.GetCalls());
    }
    // The fixture's pixels reach the device as they were made, whatever the file's layout.
    const std::vector<uint32_t> sixColours{Red, Lime, Blue, White, Black, Brown};
    for (const char* name : {"rgb24_v3.bmp", "pal4_v3.bmp", "rgb24_topdown.hex", "rgb24_v4_gap.hex", "argb32_v5.bmp"}) {
        MPrintBitmap bitmap;
        ASSERT_EQ(1, Load(bitmap, Fixture(name)));
        bitmap.SetRect(10, 20, 0, 0);
        bitmap.SetDC(&dc);
        dc.ClearRecords();
        EXPECT_EQ(1, bitmap.Draw(nullptr));
        EXPECT_EQ(std::vector<std::string>{"StretchBlt(10,20,3,2,0,0,3,2," + Checksum(sixColours) + ")"},
                  dc.GetCalls())
            << name;
    }
    // Without a device context, or with nothing loaded, nothing is drawn.
    MPrintBitmap withoutDevice, unloaded;
    ASSERT_EQ(1, Load(withoutDevice, printtest::Bmp24(2, 2)));
    unloaded.SetDC(&dc);
    dc.ClearRecords();
    EXPECT_EQ(0, withoutDevice.Draw(nullptr));
    EXPECT_EQ(0, unloaded.Draw(nullptr));
    // Nor is an image whose box spans more than a device's coordinates reach.
    MPrintBitmap beyond;
    ASSERT_EQ(1, Load(beyond, printtest::Bmp24(2, 2)));
    beyond.SetRect(-3e9, -3e9, 3e9, 3e9);
    beyond.SetDC(&dc);
    VhTrans identity;
    EXPECT_EQ(0, beyond.Draw(&identity));
    EXPECT_TRUE(dc.GetCalls().empty());
}

// An image of as many pixels as an A3 page at 600 dpi is drawn whole, at its own size without a
// transform.
TEST_F(BitmapTest, ImageOfAWholePageIsDrawn)
{
    MPrintBitmap bitmap;
    ASSERT_EQ(1, Load(bitmap, BmpHeaders(7016, 9921) + std::string(880 * 9921, '\0')));
    CRecordingDC dc(AfxPaperDevice(TRUE, 600, 297, 420));
    bitmap.SetDC(&dc);
    EXPECT_EQ(1, bitmap.Draw(nullptr));
    std::vector<std::string> calls = dc.GetCalls();
    ASSERT_EQ(1u, calls.size());
    EXPECT_EQ(0u, calls[0].find("StretchBlt(0,0,7016,9921,0,0,7016,9921,#")) << calls[0];
}

TEST_F(BitmapTest, PalettesOfFewColours)
{
    struct Case {
        const char* fixture;
        int entries;
    } cases[] = {{"rgb24_v3.bmp", 0}, {"pal8_v3.bmp", 256}, {"pal4_v3.bmp", 16}, {"mono1_v3.bmp", 2}};
    for (const Case& c : cases) {
        MPrintBitmap bitmap;
        ASSERT_EQ(1, Load(bitmap, Fixture(c.fixture)));
        EXPECT_EQ(c.entries, bitmap.GetPaletteObject().GetEntryCount()) << c.fixture;
    }
}

TEST_F(BitmapTest, DamagedFilesLoadOrRefuseWhole)
{
    std::mt19937 random(20261207);
    for (const char* name : {"rgb24_v3.bmp", "rgb24_v5.bmp", "argb32_v5.bmp", "pal4_v3.bmp", "pal8_v3.bmp",
                             "mono1_v3.bmp", "rgb24_topdown.hex", "rgb24_v4_gap.hex"}) {
        std::string original = Fixture(name);
        for (int round = 0; round < 60; ++round) {
            std::string bytes = original;
            if (round % 3 == 0)
                bytes.resize(random() % bytes.size());
            for (int flips = 1 + random() % 4; flips > 0 && !bytes.empty(); --flips)
                bytes[random() % bytes.size()] ^= static_cast<char>(1 << random() % 8);
            MPrintBitmap bitmap;
            PixelsDC dc;
            int loaded = Load(bitmap, bytes);
            bitmap.SetDC(&dc);
            // What loads draws whole; what is refused draws nothing.
            EXPECT_EQ(loaded, bitmap.Draw(nullptr)) << name << " " << round;
            EXPECT_EQ(size_t(bitmap.GetWidth()) * bitmap.GetHeight(), dc.pixels.size()) << name << " " << round;
        }
    }
}

} // namespace
