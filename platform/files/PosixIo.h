// Whole reads and writes on POSIX descriptors, for the platform's own files.
#pragma once

#include <cstddef>
#include <string>

// Writes every byte (retrying after signals); false with errno set on failure.
bool WriteAll(int fd, const char* data, size_t size);

// Reads a file named by a Linux path whole into bytes; false with errno set on failure.
bool ReadWholeFile(const std::string& linuxPath, std::string& bytes);
