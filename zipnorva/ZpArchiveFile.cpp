#include "zipnorva/ZpArchiveFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const size_t kBufferSize = 1024 * 1024;

ZpArchiveFile* FileOf(voidpf stream) { return static_cast<ZpArchiveFile*>(stream); }

voidpf ZCALLBACK OpenFile(voidpf, const void* descriptor, int mode)
{
    bool reading = (mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) == ZLIB_FILEFUNC_MODE_READ;
    bool creating = !reading && (mode & ZLIB_FILEFUNC_MODE_CREATE) != 0;
    if (!descriptor || (!reading && !creating)) // an existing archive is never changed
        return nullptr;
    int fd = fcntl(*static_cast<const int*>(descriptor), F_DUPFD_CLOEXEC, 0);
    if (fd < 0)
        return nullptr;
    try {
        return new ZpArchiveFile(fd, creating);
    } catch (const std::exception&) {
        close(fd);
        return nullptr;
    }
}

uLong ZCALLBACK ReadFile(voidpf, voidpf stream, void* out, uLong size) { return FileOf(stream)->Read(out, size); }

uLong ZCALLBACK WriteFile(voidpf, voidpf stream, const void* data, uLong size)
{
    return FileOf(stream)->Write(data, size);
}

ZPOS64_T ZCALLBACK TellFile(voidpf, voidpf stream) { return FileOf(stream)->Tell(); }

long ZCALLBACK SeekFile(voidpf, voidpf stream, ZPOS64_T offset, int origin)
{
    return FileOf(stream)->Seek(offset, origin) ? 0 : -1;
}

int ZCALLBACK CloseFile(voidpf, voidpf stream)
{
    ZpArchiveFile* file = FileOf(stream);
    bool closed = file->Close();
    delete file;
    return closed ? 0 : EOF;
}

int ZCALLBACK FileError(voidpf, voidpf stream) { return FileOf(stream)->Failed() ? 1 : 0; }

} // namespace

zlib_filefunc64_def ZpArchiveFile::Functions()
{
    return {OpenFile, ReadFile, WriteFile, TellFile, SeekFile, CloseFile, FileError, nullptr};
}

ZpArchiveFile::ZpArchiveFile(int fd, bool writing) : fd_(fd), writing_(writing), buffer_(new char[kBufferSize])
{
    struct stat info;
    if (!writing && fstat(fd, &info) == 0)
        fileSize_ = static_cast<unsigned long long>(info.st_size);
}

ZpArchiveFile::~ZpArchiveFile()
{
    if (fd_ >= 0)
        close(fd_);
}

unsigned long ZpArchiveFile::Read(void* out, unsigned long size)
{
    char* to = static_cast<char*>(out);
    unsigned long done = 0;
    while (!writing_ && done < size) {
        if (position_ < bufferAt_ || position_ >= bufferAt_ + filled_) {
            ssize_t got = pread(fd_, buffer_.get(), kBufferSize, static_cast<off_t>(position_));
            bufferAt_ = position_;
            filled_ = got > 0 ? static_cast<size_t>(got) : 0;
            failed_ = failed_ || got < 0;
            if (got <= 0)
                break;
        }
        size_t at = position_ - bufferAt_;
        size_t piece = std::min<unsigned long long>(size - done, filled_ - at);
        std::memcpy(to + done, buffer_.get() + at, piece);
        done += piece;
        position_ += piece;
    }
    return done;
}

// Writes within the buffer where they continue or overwrite what it holds; anywhere else the
// buffer is flushed first and starts where the write does.
unsigned long ZpArchiveFile::Write(const void* data, unsigned long size)
{
    const char* from = static_cast<const char*>(data);
    unsigned long done = 0;
    while (writing_ && done < size) {
        if (position_ < bufferAt_ || position_ > bufferAt_ + filled_ || position_ == bufferAt_ + kBufferSize) {
            if (!Flush())
                break;
            bufferAt_ = position_;
        }
        size_t at = position_ - bufferAt_;
        size_t piece = std::min<unsigned long long>(size - done, kBufferSize - at);
        std::memcpy(buffer_.get() + at, from + done, piece);
        filled_ = std::max(filled_, at + piece);
        done += piece;
        position_ += piece;
    }
    return done;
}

bool ZpArchiveFile::Seek(unsigned long long offset, int origin)
{
    switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET:
        position_ = offset;
        return true;
    case ZLIB_FILEFUNC_SEEK_CUR:
        position_ += offset;
        return true;
    case ZLIB_FILEFUNC_SEEK_END:
        position_ = Size() + offset;
        return true;
    default:
        return false;
    }
}

bool ZpArchiveFile::Close()
{
    bool flushed = Flush();
    int fd = fd_;
    fd_ = -1;
    return close(fd) == 0 && flushed;
}

// Writes what the buffer holds that the file does not have yet, and empties it.
bool ZpArchiveFile::Flush()
{
    if (!writing_)
        return true;
    size_t written = 0;
    while (written < filled_) {
        ssize_t done = pwrite(fd_, buffer_.get() + written, filled_ - written, static_cast<off_t>(bufferAt_ + written));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            failed_ = true;
            return false;
        }
        written += static_cast<size_t>(done);
    }
    fileSize_ = std::max(fileSize_, bufferAt_ + filled_);
    bufferAt_ += filled_;
    filled_ = 0;
    return true;
}

unsigned long long ZpArchiveFile::Size() const
{
    return writing_ ? std::max(fileSize_, bufferAt_ + filled_) : fileSize_;
}
