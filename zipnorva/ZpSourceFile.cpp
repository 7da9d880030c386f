#include "zipnorva/ZpSourceFile.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>

namespace {

const size_t kPieceSize = 256 * 1024;

} // namespace

ZpSourceFile::ZpSourceFile(int file) : file_(file), raw_(new char[kPieceSize]) {}

long ZpSourceFile::ReadAt(int file, char* out, size_t size, unsigned long long offset)
{
    size_t done = 0;
    while (done < size) {
        ssize_t got = pread(file, out + done, size - done, static_cast<off_t>(offset + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        done += static_cast<size_t>(got);
    }
    return static_cast<long>(done);
}

bool ZpSourceFile::ScanIsText()
{
    bool text = true;
    long got = kPieceSize;
    for (unsigned long long at = 0; text && got == static_cast<long>(kPieceSize); at += kPieceSize) {
        got = ReadAt(file_, raw_.get(), kPieceSize, at);
        text = got >= 0 && ZpCrLfFilter::IsText(raw_.get(), static_cast<size_t>(got));
    }
    return text;
}

long ZpSourceFile::Read(std::vector<char>& out, bool crlfToLf)
{
    out.resize(kPieceSize + 1); // nothing to do when out is reused
    for (;;) {
        long got = ReadAt(file_, raw_.get(), kPieceSize, offset_);
        if (got < 0)
            return -1;
        offset_ += static_cast<unsigned long long>(got);
        if (!crlfToLf) {
            std::copy(raw_.get(), raw_.get() + got, out.begin());
            return got;
        }
        // A last piece that is a lone CR translates to nothing yet: the CR comes with the end.
        size_t n =
            got > 0 ? filter_.Filter(raw_.get(), static_cast<size_t>(got), out.data()) : filter_.Finish(out.data());
        if (n > 0 || got == 0)
            return static_cast<long>(n);
    }
}
