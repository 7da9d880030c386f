// Bytes written as pairs of hex digits separated by blanks, as in the tables under tests/data.
#pragma once

#include <sstream>
#include <string>

namespace testsupport {

inline std::string FromHex(const std::string& hex)
{
    std::string bytes;
    std::istringstream in(hex);
    for (unsigned byte; in >> std::hex >> byte;)
        bytes += static_cast<char>(byte);
    return bytes;
}

} // namespace testsupport
