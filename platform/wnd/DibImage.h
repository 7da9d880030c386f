// The pixels of a device-independent bitmap (a BITMAPINFOHEADER or one of its longer successors,
// the colour table, and the bits), decoded with every size checked against the bytes given.
#pragma once

#include "platform/wnd/WinGdi.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct DibImage {
    int width = 0;
    int height = 0;
    // 0xRRGGBB, the top row first.
    std::vector<uint32_t> pixels;
    // The colour table's colours (0xRRGGBB), for images of up to 8 bits per pixel.
    std::vector<uint32_t> colors;
    // Where the bits start, from the header's start.
    size_t bitsOffset = 0;
};

// Decodes the DIB of size bytes whose bits start bitsOffset bytes after its header's start (0:
// right after the colour table). 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or top-down,
// uncompressed or BI_BITFIELDS. False for anything that does not fit in the bytes, is not
// supported or has its bits start inside the header; image is then left empty.
bool DecodeDib(const unsigned char* dib, size_t size, size_t bitsOffset, DibImage& image);
// The bytes that a DIB of a kind DecodeDib decodes takes from its header's start to the end of its
// colour table and bits, by the first 40 bytes of its header (dib, size) alone; false for another
// kind or a header whose sizes cannot be.
bool MeasureDib(const unsigned char* dib, size_t size, size_t bitsOffset, size_t& extent);
// The header of a DIB of at least 40 bytes; false when it is shorter.
bool ReadDibHeader(const unsigned char* dib, size_t size, BITMAPINFOHEADER& header);
