#include "zipnorva/ZpCrLfFilter.h"

namespace {

bool IsBinaryByte(unsigned char c) { return c <= 6 || (c >= 14 && c <= 25) || (c >= 28 && c <= 31); }

} // namespace

bool ZpCrLfFilter::IsText(const char* data, size_t size)
{
    for (size_t i = 0; i < size; ++i)
        if (IsBinaryByte(static_cast<unsigned char>(data[i])))
            return false;
    return true;
}

size_t ZpCrLfFilter::Filter(const char* in, size_t size, char* out)
{
    size_t n = 0;
    for (size_t i = 0; i < size; ++i) {
        char c = in[i];
        if (pendingCr_ && c != '\n')
            out[n++] = '\r';
        pendingCr_ = c == '\r';
        if (!pendingCr_)
            out[n++] = c;
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
