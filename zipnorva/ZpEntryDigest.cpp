#include "zipnorva/ZpEntryDigest.h"

// Each entry is one record: its fields at fixed places, then its name. Both digests that are
// compared are taken in the same process, so the fields go in as the machine holds them.
void ZpEntryDigest::Add(const char* name, size_t nameLength, unsigned long method, unsigned long crc,
                        unsigned long long size)
{
    const unsigned long long fields[] = {nameLength, method, crc, size};
    const Bytef* bytes = reinterpret_cast<const Bytef*>(fields);
    crc_ = crc32_z(crc_, bytes, sizeof fields);
    adler_ = adler32_z(adler_, bytes, sizeof fields);
    bytes = reinterpret_cast<const Bytef*>(name);
    crc_ = crc32_z(crc_, bytes, nameLength);
    adler_ = adler32_z(adler_, bytes, nameLength);
    ++count_;
}

bool ZpEntryDigest::operator==(const ZpEntryDigest& other) const
{
    return count_ == other.count_ && crc_ == other.crc_ && adler_ == other.adler_;
}
