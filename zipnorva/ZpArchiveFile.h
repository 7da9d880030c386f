// The archive file as minizip reads and writes it, through a buffer of its own in which seeks do
// not flush: minizip writes an entry's local header and data, seeks back to fill in its checksum
// and sizes and seeks on again, which through a stdio stream costs system calls for every entry;
// and it reads the central directory back a few bytes at a time.
#pragma once

#include <ioapi.h>
#include <memory>

class ZpArchiveFile {
public:
    // The functions to hand to zipOpen2_64 (a new file: written only) and unzOpen2_64 (an
    // existing file: read only). What they take for the file's name is a pointer to the int
    // descriptor of the file, open for reading and writing (minizip hands it over unchanged);
    // they work on a duplicate of it, so that the descriptor stays the caller's.
    static zlib_filefunc64_def Functions();

    ZpArchiveFile(int fd, bool writing);
    ~ZpArchiveFile();
    ZpArchiveFile(const ZpArchiveFile&) = delete;
    ZpArchiveFile& operator=(const ZpArchiveFile&) = delete;

    unsigned long Read(void* out, unsigned long size);
    unsigned long Write(const void* data, unsigned long size);
    bool Seek(unsigned long long offset, int origin);
    unsigned long long Tell() const { return position_; }
    // Writes what the buffer holds and closes the file: false when either failed.
    bool Close();
    bool Failed() const { return failed_; }

private:
    bool Flush();
    unsigned long long Size() const;

    int fd_;
    bool writing_;
    std::unique_ptr<char[]> buffer_;
    unsigned long long bufferAt_ = 0; // where in the file buffer_ starts
    size_t filled_ = 0;               // bytes of buffer_ read from the file, or written and not flushed
    unsigned long long position_ = 0;
    unsigned long long fileSize_ = 0; // as far as the file itself goes (without the buffer)
    bool failed_ = false;
};
