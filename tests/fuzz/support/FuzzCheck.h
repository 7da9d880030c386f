// What the fuzz targets share: a check that stops the run as a sanitizer report does, so that
// libFuzzer keeps the input as a finding and the corpus replay in ctest fails.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
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

inline std::string& ScratchFolderPath()
{
    static std::string folder;
    return folder;
}

inline void RemoveScratchFolder() { std::filesystem::remove_all(ScratchFolderPath()); }

// Makes the process's folder for its files, "zn-fuzz-<target>-XXXXXX" under TMPDIR (else /tmp),
// removed when the process ends; gives its path.
inline std::string MakeScratchFolder(const std::string& target)
{
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/zn-fuzz-" + target + "-XXXXXX";
    Require(mkdtemp(&pattern[0]) != nullptr, "a folder for " + target + " is made");
    ScratchFolderPath() = pattern;
    std::atexit(RemoveScratchFolder);
    return pattern;
}

} // namespace fuzzcheck
