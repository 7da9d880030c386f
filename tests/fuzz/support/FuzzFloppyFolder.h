// A whole floppy folder (or a folder holding a copy of one) in one fuzz input: its files, each a
// path inside the folder and the file's bytes, one record after the other:
//
//     record := path, a NUL byte, length (4 bytes, little-endian), content (length bytes)
//
// The path is CP932, with "/" or "\" between its names ("Info/filename.iba"). A content that the
// input cuts short is what is left of the input, and a record cut off before its length is
// empty; what follows the last record's content starts the next record. Files are written with
// their names in UTF-8, as the program names them on disk.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace fuzzfloppy {

struct File {
    std::string path; // CP932, "/" or "\" between names
    std::string bytes;
};

// The files of an input in their order; at most kMaxFiles.
const size_t kMaxFiles = 64;
std::vector<File> Decode(const std::string& input);

// Writes each file below folder (a Linux folder that exists), making the folders on its path. A
// path with no name, or with a name that is empty, "." or "..", or deeper than kMaxDepth names, is
// left out, and so is a file whose path a file or folder written before stands in the way of. A
// later file of the same path replaces an earlier one.
const size_t kMaxDepth = 3;
void Write(const std::vector<File>& files, const std::string& folder);

} // namespace fuzzfloppy
