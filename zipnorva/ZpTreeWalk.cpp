#include "zipnorva/ZpTreeWalk.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinFileName.h"
#include "platform/files/WinPath.h"
#include "zipnorva/ZpApi.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

const size_t kLongestEntryName = 0xFFFF;

// Whether every name of a path below the root ("/" between names, UTF-8) is one that Windows can
// hold: an unpacker on Windows would write a name such as "..\x" outside the archive's folder.
// Characters beyond ASCII stand as letters, so that one CP932 lacks is no reason to refuse.
bool HoldsOnlyWindowsNames(const std::string& path)
{
    std::string shape;
    for (char c : path) {
        unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            shape += c;
        else if (byte >= 0xC0)
            shape += 'x'; // the first byte of a character; the bytes that follow it add nothing
    }
    for (size_t start = 0;;) {
        size_t slash = shape.find('/', start);
        if (!IsWinFileName(CString(shape.substr(start, slash - start))))
            return false;
        if (slash == std::string::npos)
            return true;
        start = slash + 1;
    }
}

// The names in an open folder, sorted by their bytes: each ends with a NUL in text, starting at
// an offset of starts.
void ListFolder(DIR* dir, std::string& text, std::vector<size_t>& starts)
{
    while (const dirent* item = readdir(dir)) {
        const char* name = item->d_name;
        if (std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0) {
            starts.push_back(text.size());
            text.append(name, std::strlen(name) + 1);
        }
    }
    const char* base = text.data();
    std::sort(starts.begin(), starts.end(), [base](size_t a, size_t b) { return std::strcmp(base + a, base + b) < 0; });
}

} // namespace

ZpTreeWalk::ZpTreeWalk(const std::string& root, const std::vector<std::string>& names, bool recurse,
                       dev_t skippedDevice, ino_t skippedInode)
    : root_(root), rootPrefix_(root == "/" ? root : root + "/"), names_(names), recurse_(recurse),
      skippedDevice_(skippedDevice), skippedInode_(skippedInode)
{
}

ZpTreeWalk::~ZpTreeWalk()
{
    while (!levels_.empty())
        LeaveFolder();
}

int ZpTreeWalk::Refuse(int code, const std::string& reason)
{
    error_ = reason;
    return code;
}

int ZpTreeWalk::Next(Entry& entry, bool& found)
{
    found = false;
    while (!found) {
        int result = ZP_OK;
        if (!levels_.empty() && levels_.back().next == levels_.back().starts.size())
            LeaveFolder();
        else if (!levels_.empty())
            result = VisitNextInFolder(entry, found);
        else if (nextName_ < names_.size())
            result = StartName(names_[nextName_++], entry, found);
        else
            return ZP_OK;
        if (result != ZP_OK)
            return result;
    }
    return ZP_OK;
}

int ZpTreeWalk::StartName(const std::string& path, Entry& entry, bool& found)
{
    path_ = path;
    size_t slash = path_.rfind('/');
    std::string last = path_.substr(slash + 1);
    if (last == "*.*" || last == "*") {
        path_.resize(std::max<size_t>(slash, 1));
        return EnterFolder(true, 0);
    }
    struct stat info;
    if (lstat(path_.c_str(), &info) != 0)
        return Refuse(ZP_ERROR_SOURCE, "not found: " + LinuxPathToWin(path_));
    return Visit(info, true, 0, entry, found);
}

int ZpTreeWalk::VisitNextInFolder(Entry& entry, bool& found)
{
    Level& level = levels_.back();
    const char* name = level.names.c_str() + level.starts[level.next++];
    path_.resize(level.pathLength);
    path_ += name;
    struct stat info;
    if (fstatat(dirfd(level.dir), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Refuse(ZP_ERROR_SOURCE, "not found: " + LinuxPathToWin(path_));
    return Visit(info, level.namedFromRoot, level.nameLength, entry, found);
}

// Finds path_ as a file, or as a folder with its entry, entering it to walk what it holds. The root
// folder itself has no entry. namedFromRoot: the folder that holds path_ has no entry, and the name
// is taken from the root folder on; otherwise it follows the first nameLength bytes of name_.
int ZpTreeWalk::Visit(const struct stat& info, bool namedFromRoot, size_t nameLength, Entry& entry, bool& found)
{
    bool isFolder = S_ISDIR(info.st_mode);
    if (!isFolder && !S_ISREG(info.st_mode))
        return Refuse(ZP_ERROR_SOURCE, "not a file or folder: " + LinuxPathToWin(path_));
    if ((isFolder && !recurse_) || (!isFolder && info.st_dev == skippedDevice_ && info.st_ino == skippedInode_))
        return ZP_OK;
    if (path_ == root_)
        return isFolder ? EnterFolder(namedFromRoot, nameLength) : ZP_OK;
    if (namedFromRoot && path_.compare(0, rootPrefix_.size(), rootPrefix_) != 0)
        return Refuse(ZP_ERROR_PARAMETERS, "outside the root folder: " + LinuxPathToWin(path_));
    size_t nameStart = namedFromRoot ? rootPrefix_.size() : path_.rfind('/') + 1;
    if (!HoldsOnlyWindowsNames(path_.substr(nameStart)))
        return Refuse(ZP_ERROR_PARAMETERS, "not a Windows file name: " + LinuxPathToWin(path_));
    name_.resize(namedFromRoot ? 0 : nameLength);
    name_ += cp932::FromUtf8(path_.substr(nameStart));
    if (isFolder)
        name_ += '/';
    if (name_.size() > kLongestEntryName)
        return Refuse(ZP_ERROR_PARAMETERS, "name too long: " + LinuxPathToWin(path_));
    entry.path = path_;
    entry.name = name_;
    entry.size = isFolder ? 0 : static_cast<unsigned long long>(info.st_size);
    entry.modified = info.st_mtime;
    entry.isFolder = isFolder;
    found = true;
    return isFolder ? EnterFolder(false, name_.size()) : ZP_OK;
}

// Lists the folder path_ to walk its names next.
int ZpTreeWalk::EnterFolder(bool namedFromRoot, size_t nameLength)
{
    levels_.emplace_back();
    Level& level = levels_.back();
    level.dir = opendir(path_.c_str());
    if (!level.dir) {
        levels_.pop_back();
        return Refuse(ZP_ERROR_SOURCE, "cannot read the folder " + LinuxPathToWin(path_));
    }
    ListFolder(level.dir, level.names, level.starts);
    if (path_ != "/")
        path_ += '/';
    level.pathLength = path_.size();
    level.nameLength = nameLength;
    level.namedFromRoot = namedFromRoot;
    return ZP_OK;
}

void ZpTreeWalk::LeaveFolder()
{
    closedir(levels_.back().dir);
    levels_.pop_back();
}
