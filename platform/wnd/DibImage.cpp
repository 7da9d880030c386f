#include "platform/wnd/DibImage.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t Read32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t Read16(const unsigned char* p) { return uint16_t(p[0] | p[1] << 8); }

const uint32_t MaxSide = 1 << 16;

// A channel of a BI_BITFIELDS mask scaled to 8 bits.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    uint32_t max = 0;

    explicit Channel(uint32_t m) : mask(m)
    {
        if (!mask)
            return;
        while (!((mask >> shift) & 1))
            ++shift;
        max = mask >> shift;
    }
    uint32_t Of(uint32_t value) const { return max ? ((value & mask) >> shift) * 255 / max : 0; }
};

struct Masks {
    Channel red, green, blue;
};

bool ReadMasks(const unsigned char* dib, size_t size, const BITMAPINFOHEADER& header, Masks& masks)
{
    if (header.biCompression == BI_RGB) {
        if (header.biBitCount == 16)
            masks = {Channel(0x7C00), Channel(0x03E0), Channel(0x001F)};
        else
            masks = {Channel(0xFF0000), Channel(0x00FF00), Channel(0x0000FF)};
        return true;
    }
    // The masks follow a 40-byte header, or lie inside a longer one at the same place.
    if (size < 52)
        return false;
    masks = {Channel(Read32(dib + 40)), Channel(Read32(dib + 44)), Channel(Read32(dib + 48))};
    return masks.red.mask && masks.green.mask && masks.blue.mask;
}

// The colour index of pixel x of a row of 1, 4 or 8 bits per pixel.
unsigned IndexOf(const unsigned char* row, uint32_t x, int bits)
{
    uint32_t perByte = 8 / bits;
    return (row[x / perByte] >> ((perByte - 1 - x % perByte) * bits)) & ((1u << bits) - 1);
}

// Pixel x of a row; the colour index of an indexed pixel lies within colors.
uint32_t PixelOf(const unsigned char* row, uint32_t x, int bits, const std::vector<uint32_t>& colors,
                 const Masks& masks)
{
    switch (bits) {
    case 1:
    case 4:
    case 8:
        return colors[IndexOf(row, x, bits)];
    case 16: {
        uint32_t value = Read16(row + 2 * x);
        return masks.red.Of(value) << 16 | masks.green.Of(value) << 8 | masks.blue.Of(value);
    }
    case 24:
        return uint32_t(row[3 * x + 2]) << 16 | row[3 * x + 1] << 8 | row[3 * x];
    default: {
        uint32_t value = Read32(row + 4 * x);
        return masks.red.Of(value) << 16 | masks.green.Of(value) << 8 | masks.blue.Of(value);
    }
    }
}

} // namespace

bool ReadDibHeader(const unsigned char* dib, size_t size, BITMAPINFOHEADER& header)
{
    if (!dib || size < 40)
        return false;
    header.biSize = Read32(dib);
    header.biWidth = static_cast<int32_t>(Read32(dib + 4));
    header.biHeight = static_cast<int32_t>(Read32(dib + 8));
    header.biPlanes = Read16(dib + 12);
    header.biBitCount = Read16(dib + 14);
    header.biCompression = Read32(dib + 16);
    header.biSizeImage = Read32(dib + 20);
    header.biXPelsPerMeter = static_cast<int32_t>(Read32(dib + 24));
    header.biYPelsPerMeter = static_cast<int32_t>(Read32(dib + 28));
    header.biClrUsed = Read32(dib + 32);
    header.biClrImportant = Read32(dib + 36);
    return true;
}

namespace {

// Where the parts of a DIB lie, from its header's start, as its header gives them.
struct DibLayout {
    uint32_t width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    bool indexed = false;
    size_t colorCount = 0;
    size_t tableStart = 0; // the colour table, after the header and any masks
    size_t bitsStart = 0;
    size_t stride = 0; // the bytes of a row, to a multiple of 4

    size_t TableEnd() const { return tableStart + colorCount * 4; }
    size_t BitsEnd() const { return bitsStart + stride * height; }
    // Row y of the picture, the top row first.
    const unsigned char* Row(const unsigned char* dib, uint32_t y) const
    {
        return dib + bitsStart + stride * (topDown ? y : height - 1 - y);
    }
};

// The layout of a DIB of a kind DecodeDib decodes, from the first 40 bytes of its header; false
// for another kind or a header whose sizes cannot be (pixels that start inside the header).
bool ReadLayout(const BITMAPINFOHEADER& header, size_t bitsOffset, DibLayout& layout)
{
    layout.bits = header.biBitCount;
    layout.indexed = layout.bits == 1 || layout.bits == 4 || layout.bits == 8;
    if (header.biSize < 40 || (!layout.indexed && layout.bits != 16 && layout.bits != 24 && layout.bits != 32))
        return false;
    bool bitfields = header.biCompression == BI_BITFIELDS && (layout.bits == 16 || layout.bits == 32);
    if (header.biCompression != BI_RGB && !bitfields)
        return false;
    layout.width = header.biWidth > 0 ? uint32_t(header.biWidth) : 0;
    layout.topDown = header.biHeight < 0;
    layout.height = layout.topDown ? 0u - uint32_t(header.biHeight) : uint32_t(header.biHeight);
    if (layout.width == 0 || layout.height == 0 || layout.width > MaxSide || layout.height > MaxSide)
        return false;
    // The colour table follows the header (and, after a 40-byte one, the three masks).
    layout.tableStart = header.biSize + (bitfields && header.biSize == 40 ? 12 : 0);
    layout.colorCount = header.biClrUsed ? header.biClrUsed : layout.indexed ? size_t(1) << layout.bits : 0;
    if (layout.indexed)
        layout.colorCount = std::min(layout.colorCount, size_t(1) << layout.bits);
    if (layout.colorCount > 256 || (bitsOffset && bitsOffset < layout.tableStart))
        return false;
    layout.bitsStart = bitsOffset ? bitsOffset : layout.TableEnd();
    layout.stride = (size_t(layout.width) * layout.bits + 31) / 32 * 4;
    return true;
}

// Whether every pixel's colour index lies within the colour table: only those of a table of fewer
// than 2^bits colours need a look.
bool IndicesInTable(const unsigned char* dib, const DibLayout& layout)
{
    if (!layout.indexed || layout.colorCount >= size_t(1) << layout.bits)
        return true;
    for (uint32_t y = 0; y < layout.height; ++y)
        for (uint32_t x = 0; x < layout.width; ++x)
            if (IndexOf(layout.Row(dib, y), x, layout.bits) >= layout.colorCount)
                return false;
    return true;
}

// The layout, masks and description of a DIB that DecodeDib decodes; false for another, leaving
// the description empty.
bool Check(const unsigned char* dib, size_t size, size_t bitsOffset, DibLayout& layout, Masks& masks,
           DibDescription& description)
{
    description = DibDescription();
    BITMAPINFOHEADER header;
    if (!ReadDibHeader(dib, size, header) || header.biSize > size || !ReadLayout(header, bitsOffset, layout) ||
        layout.TableEnd() > size || !ReadMasks(dib, size, header, masks) || layout.bitsStart > size ||
        layout.stride * layout.height > size - layout.bitsStart || !IndicesInTable(dib, layout))
        return false;
    if (layout.indexed)
        for (size_t i = 0; i < layout.colorCount; ++i) {
            const unsigned char* entry = dib + layout.tableStart + 4 * i;
            description.colors.push_back(uint32_t(entry[2]) << 16 | entry[1] << 8 | entry[0]);
        }
    description.bitsOffset = layout.bitsStart;
    description.width = int(layout.width);
    description.height = int(layout.height);
    return true;
}

} // namespace

bool MeasureDib(const unsigned char* dib, size_t size, size_t bitsOffset, size_t& extent, uint64_t& pixels)
{
    BITMAPINFOHEADER header;
    DibLayout layout;
    if (!ReadDibHeader(dib, size, header) || !ReadLayout(header, bitsOffset, layout))
        return false;
    extent = std::max(layout.TableEnd(), layout.BitsEnd());
    pixels = uint64_t(layout.width) * layout.height;
    return true;
}

bool DescribeDib(const unsigned char* dib, size_t size, size_t bitsOffset, DibDescription& description)
{
    DibLayout layout;
    Masks masks{Channel(0), Channel(0), Channel(0)};
    return Check(dib, size, bitsOffset, layout, masks, description);
}

bool DecodeDib(const unsigned char* dib, size_t size, size_t bitsOffset, DibImage& image)
{
    image = DibImage();
    DibLayout layout;
    Masks masks{Channel(0), Channel(0), Channel(0)};
    if (!Check(dib, size, bitsOffset, layout, masks, image))
        return false;
    image.pixels.resize(size_t(layout.width) * layout.height);
    for (uint32_t y = 0; y < layout.height; ++y) {
        const unsigned char* row = layout.Row(dib, y);
        for (uint32_t x = 0; x < layout.width; ++x)
            image.pixels[size_t(y) * layout.width + x] = PixelOf(row, x, layout.bits, image.colors, masks);
    }
    return true;
}
