#include "zipnorva/ZpSourceFile.h"

#include <algorithm>

namespace {

const size_t kPieceSize = 256 * 1024;

} // namespace

ZpSourceFile::ZpSourceFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")), raw_(new char[kPieceSize])
{
}

ZpSourceFile::~ZpSourceFile()
{
    if (file_)
        std::fclose(file_);
}

bool ZpSourceFile::ScanIsText()
{
    bool text = true;
    size_t got;
    while (text && (got = std::fread(raw_.get(), 1, kPieceSize, file_)) > 0)
        text = ZpCrLfFilter::IsText(raw_.get(), got);
    bool readError = std::ferror(file_) != 0;
    std::rewind(file_); // clears the error indicator: remember the error as a binary verdict
    return text && !readError;
}

long ZpSourceFile::Read(std::vector<char>& out, bool crlfToLf)
{
    out.resize(kPieceSize + 1); // nothing to do when out is reused
    for (;;) {
        size_t got = std::fread(raw_.get(), 1, kPieceSize, file_);
        if (got == 0 && std::ferror(file_))
            return -1;
        if (!crlfToLf) {
            std::copy(raw_.get(), raw_.get() + got, out.begin());
            return static_cast<long>(got);
        }
        // A last piece that is a lone CR translates to nothing yet: the CR comes with the end.
        size_t n = got > 0 ? filter_.Filter(raw_.get(), got, out.data()) : filter_.Finish(out.data());
        if (n > 0 || got == 0)
            return static_cast<long>(n);
    }
}
