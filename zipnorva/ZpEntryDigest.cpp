#include "zipnorva/ZpEntryDigest.h"

namespace {

unsigned char* PutLittleEndian(unsigned char* out, unsigned long long value, int count)
{
    for (int i = 0; i < count; ++i, value >>= 8)
        *out++ = static_cast<unsigned char>(value & 0xFF);
    return out;
}

} // namespace

// Each entry is one record: its fields at fixed places, then its name.
void ZpEntryDigest::Add(const char* name, size_t nameLength, unsigned long method, unsigned long crc,
                        unsigned long long size)
{
    unsigned char fields[8 + 2 + 4 + 8];
    unsigned char* out = PutLittleEndian(fields, nameLength, 8);
    out = PutLittleEndian(out, method, 2);
    out = PutLittleEndian(out, crc, 4);
    PutLittleEndian(out, size, 8);
    crc_ = crc32(crc_, fields, sizeof fields);
    adler_ = adler32(adler_, fields, sizeof fields);
    const Bytef* bytes = reinterpret_cast<const Bytef*>(name);
    crc_ = crc32_z(crc_, bytes, nameLength);
    adler_ = adler32_z(adler_, bytes, nameLength);
    ++count_;
}

bool ZpEntryDigest::operator==(const ZpEntryDigest& other) const
{
    return count_ == other.count_ && crc_ == other.crc_ && adler_ == other.adler_;
}
