// The pixels of a device-independent bitmap (a BITMAPINFOHEADER or one of its longer successors,
// the colour table, and the bits), decoded with every size checked against the bytes given.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#define BI_RGB 0
#define BI_BITFIELDS 3

struct BITMAPINFOHEADER {
    uint32_t biSize;
    int32_t biWidth;
    int32_t biHeight;
    uint16_t biPlanes;
    uint16_t biBitCount;
    uint32_t biCompression;
    uint32_t biSizeImage;
    int32_t biXPelsPerMeter;
    int32_t biYPelsPerMeter;
    uint32_t biClrUsed;
    uint32_t biClrImportant;
};

struct DibImage {
    int width = 0;
    int height = 0;
    // 0xRRGGBB, the top row first.
    std::vector<uint32_t> pixels;
    // The colour table's colours (0xRRGGBB), for images of up to 8 bits per pixel.
    std::vector<uint32_t> colors;
};

// Decodes the DIB of size bytes whose bits start bitsOffset bytes after its header's start (0:
// right after the colour table). 1, 4, 8, 16, 24 and 32 bits per pixel, bottom-up or top-down,
// uncompressed or BI_BITFIELDS. False for anything that does not fit in the bytes or is not
// supported; image is then left empty.
bool DecodeDib(const unsigned char* dib, size_t size, size_t bitsOffset, DibImage& image);
// The header of a DIB of at least 40 bytes; false when it is shorter.
bool ReadDibHeader(const unsigned char* dib, size_t size, BITMAPINFOHEADER& header);
