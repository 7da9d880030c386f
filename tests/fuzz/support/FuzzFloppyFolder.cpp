#include "tests/fuzz/support/FuzzFloppyFolder.h"

#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"
#include "tests/fuzz/support/FuzzCheck.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

const std::string fileMark = "=== ";
const size_t mostNames = 4;

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_' ||
           c == '-';
}

// Whether path is one to mostNames names joined by "/", none empty, "." or "..".
bool IsFolderPath(const std::string& path)
{
    size_t names = 0;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        const std::string name = path.substr(start, end - start);
        if (name.empty() || name == "." || name == ".." || ++names > mostNames)
            return false;
        for (char c : name)
            if (!IsNameCharacter(c))
                return false;
        start = end + 1;
    }
    return true;
}

// The position of the next line that begins with the file mark, at or after from; npos when none.
size_t NextMarkLine(const std::string& text, size_t from)
{
    for (size_t at = from; at < text.size(); ++at) {
        at = text.find(fileMark, at);
        if (at == std::string::npos || at == 0 || text[at - 1] == '\n')
            return at;
    }
    return std::string::npos;
}

} // namespace

FuzzFloppyFolder::Files FuzzFloppyFolder::Decode(const uint8_t* data, size_t size)
{
    const std::string text = fuzzcheck::Bytes(data, size);
    Files files;
    for (size_t mark = NextMarkLine(text, 0); mark != std::string::npos;) {
        size_t nameEnd = text.find('\n', mark);
        if (nameEnd == std::string::npos)
            break; // a last mark line without a line end names no file
        const size_t next = NextMarkLine(text, nameEnd + 1);
        const size_t end = next == std::string::npos ? text.size() : next - 1;
        const std::string path = text.substr(mark + fileMark.size(), nameEnd - mark - fileMark.size());
        if (IsFolderPath(path))
            files[path] = text.substr(nameEnd + 1, end > nameEnd ? end - nameEnd - 1 : 0);
        mark = next;
    }
    return files;
}

FuzzFloppyFolder::FuzzFloppyFolder()
{
    const char* temporary = std::getenv("TMPDIR");
    std::string pattern = std::string(temporary && *temporary ? temporary : "/tmp") + "/zn-fuzz-floppy-XXXXXX";
    fuzzcheck::Require(mkdtemp(&pattern[0]) != nullptr, "a floppy folder is made");
    m_path = pattern;
}

FuzzFloppyFolder::~FuzzFloppyFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

FuzzFloppyFolder::Files FuzzFloppyFolder::Write(const uint8_t* data, size_t size)
{
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        std::filesystem::remove_all(entry.path());
    Files files = Decode(data, size);
    for (auto file = files.begin(); file != files.end();) {
        const std::filesystem::path path = m_path + "/" + file->first;
        // A file whose folder is a file of the input (or the other way round) cannot be written.
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        std::ofstream stream(path, std::ios::binary | std::ios::trunc);
        if (!error && stream && stream.write(file->second.data(), file->second.size()))
            ++file;
        else
            file = files.erase(file);
    }
    return files;
}

bool FuzzFloppyFolder::Holds(const Files& files) const
{
    size_t found = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_path)) {
        if (!entry.is_regular_file())
            continue;
        const std::string path = entry.path().lexically_relative(m_path).generic_string();
        auto file = files.find(path);
        std::string bytes;
        if (file == files.end() || !ReadWholeFile(entry.path().string(), bytes) || bytes != file->second)
            return false;
        ++found;
    }
    return found == files.size();
}

std::string FuzzFloppyFolder::BasePath() const { return LinuxPathToWin(m_path) + "\\"; }
