// What the fuzz targets share: a check that stops the run as a sanitizer report does, so that
// libFuzzer keeps the input as a finding and the corpus replay in ctest fails.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzcheck {

// Stops the process with the message when condition is false.
inline void Require(bool condition, const std::string& what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
    std::abort();
}

inline std::string Bytes(const uint8_t* data, size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

} // namespace fuzzcheck
