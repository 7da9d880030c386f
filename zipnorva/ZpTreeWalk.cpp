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
    if (!rootFolder_.IsOpen())
        if (int result = OpenRoot())
            return result;
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

int ZpTreeWalk::OpenRoot()
{
    rootFolder_ = ZpDescriptor::OpenLastNotFollowed(root_, O_PATH | O_DIRECTORY | O_CLOEXEC);
    struct stat info;
    if (!rootFolder_.IsOpen() || fstat(rootFolder_.Get(), &info) != 0) {
        rootFolder_.Reset();
        return Refuse(ZP_ERROR_SOURCE, "cannot read the folder " + LinuxPathToWin(root_));
    }
    rootDevice_ = info.st_dev;
    rootInode_ = info.st_ino;
    return ZP_OK;
}

// A name given: a folder followed by "*.*" is entered without an entry of its own; anything else
// is visited in the folder that holds it.
int ZpTreeWalk::StartName(const std::string& path, Entry& entry, bool& found)
{
    std::string folder, name;
    SplitLastName(path, folder, name);
    if (name == "*.*" || name == "*") {
        path_ = folder;
        if (path_ == root_)
            return EnterRoot(true, 0);
        return EnterFolder(ZpDescriptor::OpenLastNotFollowed(path_, O_RDONLY | O_DIRECTORY | O_CLOEXEC), true, 0);
    }
    path_ = path;
    while (path_.size() > 1 && path_.back() == '/')
        path_.pop_back();
    ZpDescriptor holder(open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!holder.IsOpen())
        return Refuse(ZP_ERROR_SOURCE, "not found: " + LinuxPathToWin(path_));
    return Visit(holder.Get(), name.c_str(), true, 0, entry, found);
}

int ZpTreeWalk::VisitNextInFolder(Entry& entry, bool& found)
{
    Level& level = levels_.back();
    const char* name = level.names.c_str() + level.starts[level.next++];
    path_.resize(level.pathLength);
    path_ += name;
    return Visit(dirfd(level.dir), name, level.namedFromRoot, level.nameLength, entry, found);
}

// Finds path_, the name in the open folder, as a file, or as a folder with its entry, entering it
// to walk what it holds; a link there is refused. The root folder itself has no entry.
// namedFromRoot: the folder that holds path_ has no entry, and the name is taken from the root
// folder on; otherwise it follows the first nameLength bytes of name_.
int ZpTreeWalk::Visit(int folder, const char* name, bool namedFromRoot, size_t nameLength, Entry& entry, bool& found)
{
    struct stat info;
    if (fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0)
        return Refuse(ZP_ERROR_SOURCE, "not found: " + LinuxPathToWin(path_));
    bool isFolder = S_ISDIR(info.st_mode);
    if (!isFolder && !S_ISREG(info.st_mode))
        return Refuse(ZP_ERROR_SOURCE, "not a file or folder: " + LinuxPathToWin(path_));
    if ((isFolder && !recurse_) || (!isFolder && info.st_dev == skippedDevice_ && info.st_ino == skippedInode_))
        return ZP_OK;
    if (path_ == root_)
        return isFolder ? EnterRoot(namedFromRoot, nameLength) : ZP_OK;
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

    // Opened without following a link that took its place meanwhile, and without waiting on
    // anything that is no file; what was opened must still be what was found.
    int flags = (isFolder ? O_DIRECTORY : O_NONBLOCK | O_NOCTTY) | O_RDONLY | O_NOFOLLOW | O_CLOEXEC;
    ZpDescriptor opened(openat(folder, name, flags));
    struct stat held;
    if (!opened.IsOpen() || fstat(opened.Get(), &held) != 0 || (held.st_mode & S_IFMT) != (info.st_mode & S_IFMT))
        return Refuse(ZP_ERROR_SOURCE, "cannot open " + LinuxPathToWin(path_));
    entry.path = path_;
    entry.name = name_;
    entry.size = isFolder ? 0 : static_cast<unsigned long long>(held.st_size);
    entry.modified = held.st_mtime;
    entry.isFolder = isFolder;
    found = true;
    if (isFolder) {
        entry.file.Reset();
        return EnterFolder(std::move(opened), false, name_.size());
    }
    entry.file = std::move(opened);
    return ZP_OK;
}

// Lists the root folder, the one opened first, to walk its names next.
int ZpTreeWalk::EnterRoot(bool namedFromRoot, size_t nameLength)
{
    path_ = root_;
    return EnterFolder(ZpDescriptor(openat(rootFolder_.Get(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)), namedFromRoot,
                       nameLength);
}

// Lists the folder path_, open in folder, to walk its names next.
int ZpTreeWalk::EnterFolder(ZpDescriptor folder, bool namedFromRoot, size_t nameLength)
{
    levels_.emplace_back();
    Level& level = levels_.back();
    level.dir = folder.IsOpen() ? fdopendir(folder.Get()) : nullptr;
    if (!level.dir) {
        levels_.pop_back();
        return Refuse(ZP_ERROR_SOURCE, "cannot read the folder " + LinuxPathToWin(path_));
    }
    folder.Release(); // the listing owns it now
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
