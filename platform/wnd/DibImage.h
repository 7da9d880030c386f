// The pixels of a device-independent bitmap (a BITMAPINFOHEADER or one of its longer successors,
// the colour table, and the bits), decoded with every size checked against the bytes given.
#pragma once

#include "platform/wnd/WinGdi.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// What a DIB's header and colour table tell of it.
struct DibDescription {
    int width = 0;
    int height = 0;
    // The colour table's colours (0xRRGGBB), for images of up to 8 bits per pixel.
    std::vector<uint32_t> colors;
    // Where the bits start, from the header's start.
    size_t bitsOffset = 0;
};

struct DibImage : DibDescription {
    // 0xRRGGBB, the top row first.
    std::vector<uint32_t> pixels;
};

// Decodes the DIB of size bytes whose bits start bitsOffset bytes after its header's start (0:
// right after the colour table). 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or top-down,
// uncompressed or BI_BITFIELDS. False for anything that does not fit in the bytes, is not
// supported, has its bits start inside the header or a colour index beyond its colour table; image
// is then left empty.
bool DecodeDib(const unsigned char* dib, size_t size, size_t bitsOffset, DibImage& image);
// Checks the DIB as DecodeDib does, without decoding its pixels: true when DecodeDib decodes it,
// with its description; else the description is left empty.
bool DescribeDib(const unsigned char* dib, size_t size, size_t bitsOffset, DibDescription& description);
// The bytes that a DIB of a kind DecodeDib decodes takes from its header's start to the end of its
// colour table and bits, and its pixels (width × height), by the first 40 bytes of its header
// (dib, size) alone; false for another kind or a header whose sizes cannot be.
bool MeasureDib(const unsigned char* dib, size_t size, size_t bitsOffset, size_t& extent, uint64_t& pixels);
// The header of a DIB of at least 40 bytes; false when it is shorter.
bool ReadDibHeader(const unsigned char* dib, size_t size, BITMAPINFOHEADER& header);
