#include "tools/jetwriter/JetPage.h"

#include "tools/jetwriter/JetBytes.h"

#include <stdexcept>

void JetPage::Put(int offset, uint64_t value, int size)
{
    CheckRange(offset, static_cast<size_t>(size));
    jetbytes::Store(&bytes_[static_cast<size_t>(offset)], value, size);
}

void JetPage::PutDouble(int offset, double value)
{
    Put(offset, jetbytes::DoubleBits(value), 8);
}

void JetPage::PutBytes(int offset, const std::string& bytes)
{
    CheckRange(offset, bytes.size());
    bytes_.replace(static_cast<size_t>(offset), bytes.size(), bytes);
}

uint32_t JetPage::Get(int offset, int size) const
{
    CheckRange(offset, static_cast<size_t>(size));
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes_[static_cast<size_t>(offset + i)]);
    return value;
}

void JetPage::CheckRange(int offset, size_t size) const
{
    if (offset < 0 || static_cast<size_t>(offset) > bytes_.size() || size > bytes_.size() - offset)
        throw std::logic_error("write outside a Jet page at " + std::to_string(offset));
}
