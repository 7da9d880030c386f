#include "zipnorva/ZpCrLfFilter.h"

#include <cstring>

namespace {

// Bit c set for each control byte c that only binary data use: 0-6, 14-25 and 28-31.
const unsigned long kBinaryControls = 0x7Fu | (0xFFFu << 14) | (0xFu << 28);

} // namespace

bool ZpCrLfFilter::IsText(const char* data, size_t size)
{
    // Without an early exit, so that the compiler can test many bytes at a time.
    unsigned long binary = 0;
    for (size_t i = 0; i < size; ++i) {
        unsigned char c = static_cast<unsigned char>(data[i]);
        binary |= c < 32 ? (kBinaryControls >> c) & 1 : 0;
    }
    return binary == 0;
}

size_t ZpCrLfFilter::Filter(const char* in, size_t size, char* out)
{
    size_t n = 0;
    if (pendingCr_ && size > 0) {
        if (in[0] != '\n')
            out[n++] = '\r';
        pendingCr_ = false;
    }
    // Copies the runs between CRs whole; a CR is dropped when an LF follows it.
    for (size_t i = 0; i < size;) {
        const void* cr = std::memchr(in + i, '\r', size - i);
        size_t end = cr ? static_cast<const char*>(cr) - in : size;
        std::memcpy(out + n, in + i, end - i);
        n += end - i;
        if (end == size)
            break;
        if (end + 1 == size)
            pendingCr_ = true;
        else if (in[end + 1] != '\n')
            out[n++] = '\r';
        i = end + 1;
    }
    return n;
}

size_t ZpCrLfFilter::Finish(char* out)
{
    if (!pendingCr_)
        return 0;
    pendingCr_ = false;
    out[0] = '\r';
    return 1;
}
