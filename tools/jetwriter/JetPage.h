// One page of a Jet file: a fixed number of bytes, zero until written. Every write is checked to
// lie inside the page.
#pragma once

#include <cstdint>
#include <string>

class JetPage {
public:
    explicit JetPage(int size) : bytes_(static_cast<size_t>(size), '\0') {}

    // Writes the low `size` bytes of value little-endian at offset.
    void Put(int offset, uint64_t value, int size);
    void PutDouble(int offset, double value);
    void PutBytes(int offset, const std::string& bytes);
    // The little-endian unsigned value of `size` bytes at offset.
    uint32_t Get(int offset, int size) const;

    int Size() const { return static_cast<int>(bytes_.size()); }
    const std::string& Bytes() const { return bytes_; }

private:
    // Throws std::logic_error unless [offset, offset + size) lies inside the page.
    void CheckRange(int offset, size_t size) const;

    std::string bytes_;
};
