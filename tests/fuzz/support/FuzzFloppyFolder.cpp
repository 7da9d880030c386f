#include "tests/fuzz/support/FuzzFloppyFolder.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fuzzfloppy {

namespace {

const size_t kLengthBytes = 4;

// The path's names as Linux names, or none when the path cannot be written.
std::vector<std::string> LinuxNames(const std::string& path)
{
    std::vector<std::string> names;
    for (const std::string& name : SplitCp932(path, "\\/")) {
        if (name == "." || name == "..")
            return {};
        names.push_back(cp932::ToUtf8(name));
    }
    // SplitCp932 leaves empty names out: a path holding one is refused by its count.
    size_t separators = 0;
    for (size_t i = 0; i < path.size(); i += cp932::CharLength(path.data(), i, path.size()))
        separators += path[i] == '/' || path[i] == '\\';
    if (names.empty() || names.size() > kMaxDepth || separators + 1 != names.size())
        return {};
    return names;
}

} // namespace

std::vector<File> Decode(const std::string& input)
{
    std::vector<File> files;
    size_t at = 0;
    while (at < input.size() && files.size() < kMaxFiles) {
        size_t end = input.find('\0', at);
        if (end == std::string::npos)
            end = input.size();
        File file;
        file.path = input.substr(at, end - at);
        at = end + 1;
        size_t length = 0;
        for (size_t i = 0; i < kLengthBytes && at + i < input.size(); ++i)
            length |= static_cast<size_t>(static_cast<unsigned char>(input[at + i])) << (8 * i);
        at = std::min(at + kLengthBytes, input.size());
        file.bytes = input.substr(at, std::min(length, input.size() - at));
        at += file.bytes.size();
        files.push_back(std::move(file));
    }
    return files;
}

void Write(const std::vector<File>& files, const std::string& folder)
{
    for (const File& file : files) {
        std::vector<std::string> names = LinuxNames(file.path);
        if (names.empty())
            continue;
        std::filesystem::path path = folder;
        for (const std::string& name : names)
            path /= name;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        if (error || std::filesystem::is_directory(path, error))
            continue;
        std::ofstream(path, std::ios::binary | std::ios::trunc) << file.bytes;
    }
}

} // namespace fuzzfloppy
