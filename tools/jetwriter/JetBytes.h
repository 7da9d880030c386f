// Little-endian integers and doubles as Jet stores them, into a string of bytes.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>

namespace jetbytes {

// Writes the low `size` bytes of value at `at`, least significant first.
inline void Store(char* at, uint64_t value, int size)
{
    for (int i = 0; i < size; ++i)
        at[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void Append(std::string& out, uint64_t value, int size)
{
    char buffer[8];
    Store(buffer, value, size);
    out.append(buffer, size);
}

// The IEEE 754 bits of value, as a little-endian 8-byte field takes them.
inline uint64_t DoubleBits(double value)
{
    uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

} // namespace jetbytes
