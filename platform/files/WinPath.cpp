#include "platform/files/WinPath.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinDrive.h"
#include "platform/files/WinHeldFolders.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <dirent.h>
#include <sys/stat.h>

namespace {

// Stands for a drive without a folder: /dev/null is no folder, so nothing below it exists.
const char kMissingDrivePrefix[] = "/dev/null/";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

char FoldAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares UTF-8 names with ASCII letters folded (bytes of multibyte characters are all >= 0x80
// in UTF-8, so folding never touches them).
bool EqualIgnoringCase(const std::string& a, const char* b)
{
    size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (size_t i = 0; i < n; ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    return true;
}

std::string Join(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

// The first count names joined onto root.
std::string JoinNames(const std::string& root, const std::vector<std::string>& names, size_t count)
{
    std::string path = root;
    for (size_t i = 0; i < count; ++i)
        path = Join(path, names[i]);
    return path;
}

bool Exists(const std::string& path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

// The entry of folder that equals name, which does not exist as written, ignoring the case of
// ASCII letters: the first in byte order; empty when there is none.
std::string FindOtherCase(const std::string& folder, const std::string& name)
{
    if (name == "." || name == "..")
        return name;
    // Only ASCII letters have another case: a name without one has no other spelling to look for.
    if (std::none_of(name.begin(), name.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); }))
        return std::string();
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return std::string();
    std::string found;
    while (const dirent* entry = readdir(dir))
        if (EqualIgnoringCase(name, entry->d_name) && (found.empty() || found > entry->d_name))
            found = entry->d_name;
    closedir(dir);
    return found;
}

// The offset of the last character of a CP932 text (0 for an empty text).
size_t LastCharacter(const std::string& text)
{
    size_t last = 0;
    for (size_t i = 0; i < text.size(); i += cp932::CharLength(text.data(), i, text.size()))
        last = i;
    return last;
}

bool EndsWithSeparator(const std::string& path)
{
    return !path.empty() && LastCharacter(path) == path.size() - 1 && IsSeparator(path.back());
}

} // namespace

std::vector<std::string> SplitCp932(const std::string& text, const char* separators)
{
    std::vector<std::string> parts;
    std::string part;
    for (size_t i = 0; i < text.size();) {
        size_t length = cp932::CharLength(text.data(), i, text.size());
        if (length == 1 && std::strchr(separators, text[i]) && text[i] != 0) {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part.append(text, i, length);
        }
        i += length;
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

bool EndsWithBackslash(LPCTSTR path)
{
    std::string text = path ? path : "";
    return EndsWithSeparator(text) && text.back() == '\\';
}

WinPathNames SplitWinPath(LPCTSTR windowsPath)
{
    std::string path = windowsPath ? windowsPath : "";
    WinPathNames split;
    size_t rest = 0;
    bool hasDrive = path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
    if (hasDrive) {
        std::string folder = DriveFolder(path[0]);
        split.root = folder.empty() ? kMissingDrivePrefix + path.substr(0, 2) : folder;
        rest = 2;
    } else if (!path.empty() && IsSeparator(path[0])) {
        split.root = "/";
    }
    for (const std::string& name : SplitCp932(path.substr(rest), "\\/"))
        split.names.push_back(cp932::ToUtf8(name));
    split.endsWithSeparator = EndsWithSeparator(path.substr(rest));
    return split;
}

std::string WinPathToLinux(LPCTSTR windowsPath)
{
    WinPathNames split = SplitWinPath(windowsPath);
    std::string root = split.root;
    std::vector<std::string>& names = split.names;
    // Below a folder that the process holds, the path goes through its handle.
    size_t heldNames = 0;
    if (heldfolders::Find(split, root, heldNames))
        names.erase(names.begin(), names.begin() + heldNames);
    // The names up to the last one that exists as written need no looking up.
    size_t exact = names.size();
    while (exact > 0 && !Exists(JoinNames(root, names, exact)))
        --exact;
    std::string linuxPath = JoinNames(root, names, exact);
    bool lookUp = true;
    for (size_t i = exact; i < names.size(); ++i) {
        std::string name = names[i];
        if (lookUp) {
            // The first name past the existing part is known not to exist as written.
            std::string found = i == exact ? FindOtherCase(linuxPath, name) : FindNameIgnoringCase(linuxPath, name);
            lookUp = !found.empty();
            if (lookUp)
                name = found;
        }
        linuxPath = Join(linuxPath, name);
    }
    if (split.endsWithSeparator && !linuxPath.empty() && linuxPath.back() != '/')
        linuxPath += '/';
    return linuxPath;
}

std::string FindNameIgnoringCase(const std::string& folder, const std::string& name)
{
    return Exists(Join(folder, name)) ? name : FindOtherCase(folder, name);
}

std::string LinuxPathToWin(const std::string& linuxPath)
{
    std::string rest = linuxPath;
    std::string windowsPath;
    if (char letter = DriveOfLinuxPath(linuxPath)) {
        std::string folder = DriveFolder(letter);
        rest = folder == "/" ? linuxPath : linuxPath.substr(folder.size());
        windowsPath = std::string(1, letter) + ":";
        if (rest.empty())
            rest = "/";
    }
    std::string cp932Rest = cp932::FromUtf8(rest);
    for (size_t i = 0; i < cp932Rest.size(); i += cp932::CharLength(cp932Rest.data(), i, cp932Rest.size()))
        if (cp932Rest[i] == '/')
            cp932Rest[i] = '\\';
    return windowsPath + cp932Rest;
}
