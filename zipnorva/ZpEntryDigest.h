// A running digest of an archive's entries as its central directory lists them: their count and,
// in order, each one's name, method, checksum and size. The entries written and those read back
// are compared through it, so that no list of them need be kept however many there are.
#pragma once

#include <cstddef>
#include <zlib.h>

class ZpEntryDigest {
public:
    void Add(const char* name, size_t nameLength, unsigned long method, unsigned long crc, unsigned long long size);
    unsigned long long Count() const { return count_; }
    // Equal digests: the same entries in the same order, but for a chance of about one in 2^64.
    bool operator==(const ZpEntryDigest& other) const;

private:
    unsigned long long count_ = 0;
    // Two checksums of different kinds over the same records: zlib's CRC-32, which tells any change
    // of up to 32 bits in a row, and its Adler-32.
    uLong crc_ = crc32(0, Z_NULL, 0);
    uLong adler_ = adler32(0, Z_NULL, 0);
};
