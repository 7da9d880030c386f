#include "zipnorva/ZpSourceFile.h"

namespace {

const size_t kPieceSize = 256 * 1024;

bool IsBinaryByte(unsigned char c)
{
    return c <= 6 || (c >= 14 && c <= 25) || (c >= 28 && c <= 31);
}

} // namespace

ZpSourceFile::ZpSourceFile(const std::string& path)
    : file_(std::fopen(path.c_str(), "rb")), raw_(new char[kPieceSize])
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
        for (size_t i = 0; i < got && text; ++i)
            text = !IsBinaryByte(static_cast<unsigned char>(raw_[i]));
    bool readError = std::ferror(file_) != 0;
    std::rewind(file_); // clears the error indicator: remember the error as a binary verdict
    return text && !readError;
}

long ZpSourceFile::Read(std::vector<char>& out, bool crlfToLf)
{
    out.resize(kPieceSize + 1); // nothing to do when out is reused
    size_t got = std::fread(raw_.get(), 1, kPieceSize, file_);
    if (got == 0 && std::ferror(file_))
        return -1;
    if (!crlfToLf) {
        std::copy(raw_.get(), raw_.get() + got, out.begin());
        return static_cast<long>(got);
    }
    size_t n = 0;
    for (size_t i = 0; i < got; ++i) {
        char c = raw_[i];
        if (pendingCr_ && c != '\n')
            out[n++] = '\r';
        pendingCr_ = c == '\r';
        if (!pendingCr_)
            out[n++] = c;
    }
    if (got == 0 && pendingCr_) { // a CR that ends the file
        pendingCr_ = false;
        out[n++] = '\r';
    }
    return static_cast<long>(n);
}
