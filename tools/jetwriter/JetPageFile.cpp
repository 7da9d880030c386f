#include "tools/jetwriter/JetPageFile.h"

uint32_t JetPageFile::Allocate()
{
    pages_.emplace_back(format_.pageSize);
    return Count() - 1;
}

std::string JetPageFile::Bytes() const
{
    std::string bytes;
    bytes.reserve(pages_.size() * static_cast<size_t>(format_.pageSize));
    for (const JetPage& page : pages_)
        bytes += page.Bytes();
    return bytes;
}
