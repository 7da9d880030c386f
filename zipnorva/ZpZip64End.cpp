#include "zipnorva/ZpZip64End.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const unsigned long kEndSignature = 0x06054b50;
const unsigned long kZip64EndSignature = 0x06064b50;
const unsigned long kZip64LocatorSignature = 0x07064b50;
const size_t kEndSize = 22;          // end of central directory record, without a comment
const size_t kZip64EndSize = 56;     // Zip64 end of central directory record
const size_t kZip64LocatorSize = 20; // its locator
const unsigned kZip64Version = 45;   // 4.5, host 0 (MS-DOS)
const unsigned long long kCountMark = 0xFFFF;
const unsigned long long kOffsetMark = 0xFFFFFFFF;

unsigned long long ReadLittleEndian(const unsigned char* bytes, int count)
{
    unsigned long long value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = value << 8 | bytes[i];
    return value;
}

unsigned char* PutLittleEndian(unsigned char* out, unsigned long long value, int count)
{
    for (int i = 0; i < count; ++i, value >>= 8)
        *out++ = static_cast<unsigned char>(value & 0xFF);
    return out;
}

// The last kZip64LocatorSize + kEndSize bytes of the archive at its end (fewer in a tiny file).
bool ReadTail(int fd, unsigned long long fileSize, unsigned char* tail)
{
    size_t size = kZip64LocatorSize + kEndSize;
    if (fileSize < size)
        return false;
    return pread(fd, tail, size, static_cast<off_t>(fileSize - size)) == static_cast<ssize_t>(size);
}

bool InsertRecords(int fd, unsigned long long fileSize, unsigned long long entries)
{
    unsigned char tail[kZip64LocatorSize + kEndSize];
    if (!ReadTail(fd, fileSize, tail))
        return false;
    const unsigned char* end = tail + kZip64LocatorSize;
    if (ReadLittleEndian(end, 4) != kEndSignature || ReadLittleEndian(end + 20, 2) != 0)
        return false;
    unsigned long long directorySize = ReadLittleEndian(end + 12, 4);
    unsigned long long directoryOffset = ReadLittleEndian(end + 16, 4);
    if (directoryOffset == kOffsetMark) // past 4 GiB: minizip has written the records itself
        return ReadLittleEndian(tail, 4) == kZip64LocatorSignature;
    unsigned long long recordOffset = fileSize - kEndSize;
    if (ReadLittleEndian(end + 8, 2) != kCountMark || directoryOffset + directorySize != recordOffset)
        return false;

    unsigned char records[kZip64EndSize + kZip64LocatorSize + kEndSize];
    unsigned char* out = PutLittleEndian(records, kZip64EndSignature, 4);
    out = PutLittleEndian(out, kZip64EndSize - 12, 8); // the size of what follows this field
    out = PutLittleEndian(out, kZip64Version, 2);      // made by
    out = PutLittleEndian(out, kZip64Version, 2);      // needed to extract
    out = PutLittleEndian(out, 0, 4);                  // this disk
    out = PutLittleEndian(out, 0, 4);                  // the disk where the central directory starts
    out = PutLittleEndian(out, entries, 8);            // entries on this disk
    out = PutLittleEndian(out, entries, 8);            // entries in all
    out = PutLittleEndian(out, directorySize, 8);
    out = PutLittleEndian(out, directoryOffset, 8);
    out = PutLittleEndian(out, kZip64LocatorSignature, 4);
    out = PutLittleEndian(out, 0, 4);            // the disk of the Zip64 end record
    out = PutLittleEndian(out, recordOffset, 8); // where it starts
    out = PutLittleEndian(out, 1, 4);            // disks in all
    std::copy(end, end + kEndSize, out);
    return pwrite(fd, records, sizeof records, static_cast<off_t>(recordOffset)) ==
           static_cast<ssize_t>(sizeof records);
}

} // namespace

bool AddZip64EndRecords(int archive, unsigned long long entries)
{
    if (entries < kCountMark)
        return true;
    struct stat info;
    return fstat(archive, &info) == 0 && InsertRecords(archive, static_cast<unsigned long long>(info.st_size), entries);
}
