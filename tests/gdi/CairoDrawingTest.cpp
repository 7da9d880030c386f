// Images stretched by cairo: each device pixel takes the source pixel under its centre, whether the
// image is enlarged, shrunk or flipped, and a shrunk image reaches cairo sampled down to the
// destination's device pixels, so that a PDF page keeps no more pixels than it shows.
#include "platform/gdi/CairoDrawing.h"

#include <cairo-pdf.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

// A bitmap of width x height whose pixel (x, y) is x << 8 | y.
std::vector<uint32_t> Bitmap(int width, int height)
{
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(uint32_t(x) << 8 | uint32_t(y));
    return pixels;
}

// A StretchBlt of the source rectangle of a bitmap width pixels wide onto the device corners a, b.
DcOutput Stretch(const std::vector<uint32_t>& bitmap, int width, RECT source, POINT a, POINT b)
{
    DcOutput output;
    output.call = DcOutput::StretchBlt;
    output.logical = output.device = {a, b};
    output.source = source;
    output.pixels = bitmap.data();
    output.rowLength = size_t(width);
    return output;
}

// Draws the output onto a white cairo context over target.
void DrawOn(cairo_surface_t* target, const DcOutput& output)
{
    cairo_t* cr = cairo_create(target);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    CDC dc;
    CairoDrawing(cr, dc).Draw(output);
    cairo_destroy(cr);
}

// The pixels of a 20 x 14 picture that differ from a stretch of the bitmap onto a, b: the
// destination pixel in column c and row r from the left and top of the box holds the bitmap pixel
// (columns[c], rows[r]), every other pixel is white.
int WrongPixels(const std::vector<uint32_t>& bitmap, int width, RECT source, POINT a, POINT b,
                const std::vector<int>& columns, const std::vector<int>& rows)
{
    cairo_surface_t* picture = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 20, 14);
    DrawOn(picture, Stretch(bitmap, width, source, a, b));
    cairo_surface_flush(picture);
    const unsigned char* data = cairo_image_surface_get_data(picture);
    int left = std::min(a.x, b.x), top = std::min(a.y, b.y), wrong = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 20; ++x) {
            uint32_t pixel = reinterpret_cast<const uint32_t*>(data + y * cairo_image_surface_get_stride(picture))[x];
            int column = x - left, row = y - top;
            bool inside = column >= 0 && column < int(columns.size()) && row >= 0 && row < int(rows.size());
            uint32_t expected = inside ? uint32_t(columns[column]) << 8 | uint32_t(rows[row]) : 0xFFFFFF;
            wrong += (pixel & 0xFFFFFF) != expected;
        }
    cairo_surface_destroy(picture);
    return wrong;
}

std::vector<int> Digits(const char* digits)
{
    std::vector<int> values;
    for (; *digits; ++digits)
        values.push_back(*digits - '0');
    return values;
}

// The columns 1 to 8 and rows 1 to 6 of a 10 x 8 bitmap stretched onto a 20 x 14 picture: each
// destination pixel holds the bitmap pixel of the column and row listed for it, every other pixel
// stays white. A centre that falls exactly between two source pixels takes the earlier one.
TEST(CairoDrawing, EachDevicePixelTakesTheSourcePixelUnderItsCentre)
{
    const std::vector<uint32_t> bitmap = Bitmap(10, 8);
    const RECT source{1, 1, 9, 7};
    struct Case {
        const char* what;
        POINT a, b;
        const char* columns; // the bitmap column of each destination column, left to right
        const char* rows;    // the bitmap row of each destination row, top to bottom
    } cases[] = {
        {"as it is", {2, 1}, {10, 7}, "12345678", "123456"},
        // The rectangle's 8 columns onto 3: centres at (d + 0.5) * 8 / 3 = 1.33, 4 (a tie: 3), 6.67,
        // bitmap columns 2, 4, 7; its 6 rows onto 2: (d + 0.5) * 3 = 1.5, 4.5, bitmap rows 2, 5.
        {"shrunk", {2, 1}, {5, 3}, "247", "25"},
        {"shrunk and flipped", {5, 3}, {2, 1}, "742", "52"},
        {"enlarged", {2, 1}, {18, 13}, "1122334455667788", "112233445566"},
        // 8 columns onto 4: centres at (d + 0.5) * 2 = 1, 3, 5, 7, all ties: bitmap columns 1, 3, 5, 7.
        {"narrower and taller", {2, 1}, {6, 13}, "1357", "112233445566"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(0, WrongPixels(bitmap, 10, source, c.a, c.b, Digits(c.columns), Digits(c.rows))) << c.what;
}

// A 12 x 12 bitmap shrunk by a whole ratio takes the pixels that cairo's nearest filter took from
// the whole image: 2:1 every other pixel from the first, 3:1 the middle one of three, 4:1 the
// earlier of the middle two of four. Flipped, the same pixels in the other order.
TEST(CairoDrawing, ShrinksByAWholeRatioTakeThePixelsCairosNearestFilterTakes)
{
    const std::vector<uint32_t> bitmap = Bitmap(12, 12);
    const std::vector<std::vector<int>> taken = {{0, 2, 4, 6, 8, 10}, {1, 4, 7, 10}, {1, 5, 9}};
    for (const std::vector<int>& pixels : taken) {
        const int count = int(pixels.size());
        const std::vector<int> flipped(pixels.rbegin(), pixels.rend());
        const POINT topLeft{2, 1}, bottomRight{2 + count, 1 + count};
        EXPECT_EQ(0, WrongPixels(bitmap, 12, RECT{0, 0, 12, 12}, topLeft, bottomRight, pixels, pixels))
            << "12:" << count;
        EXPECT_EQ(0, WrongPixels(bitmap, 12, RECT{0, 0, 12, 12}, bottomRight, topLeft, flipped, flipped))
            << "12:" << count << " flipped";
    }
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length)
{
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

// A 300 x 200 bitmap shrunk onto 30 x 20 device units of a PDF page is kept in the PDF at 30 x 20;
// one enlarged keeps its own size.
TEST(CairoDrawing, PdfKeepsAShrunkImageAtItsDeviceSize)
{
    const std::vector<uint32_t> bitmap = Bitmap(300, 200);
    struct Case {
        POINT b;
        const char* size;
    } cases[] = {{{30, 20}, "/Width 30\n   /Height 20\n"}, {{600, 400}, "/Width 300\n   /Height 200\n"}};
    for (const Case& c : cases) {
        std::string pdf;
        cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(Append, &pdf, 700, 500);
        DrawOn(surface, Stretch(bitmap, 300, RECT{0, 0, 300, 200}, POINT{0, 0}, c.b));
        cairo_surface_destroy(surface);
        EXPECT_NE(std::string::npos, pdf.find(c.size)) << c.size;
    }
}

} // namespace
