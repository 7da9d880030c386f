#include "zipnorva/ZpPacker.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"
#include "zipnorva/ZpSourceFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <unzip.h>
#include <zip.h>

namespace {

// "Version made by": host 0 (MS-DOS and Windows file systems), format 2.0, as Windows zip tools
// write it, so that readers take the entry names as the Windows code page (here CP932).
const uLong kVersionMadeBy = 20;
const uLong kFolderAttributes = 0x10; // MS-DOS directory attribute
const uLong kFileAttributes = 0x20;   // MS-DOS archive attribute
const uLong kTextFileInternal = 1;    // internal attribute: the entry is text
const size_t kLongestEntryName = 0xFFFF;
const size_t kCheckPieceSize = 256 * 1024;

// The MS-DOS time fields of a local time, held to the range that they can express.
tm_zip ZipTime(std::time_t time)
{
    struct tm local = {};
    localtime_r(&time, &local);
    tm_zip zipTime = {uInt(local.tm_sec),  uInt(local.tm_min), uInt(local.tm_hour),
                      uInt(local.tm_mday), uInt(local.tm_mon), uInt(local.tm_year + 1900)};
    if (zipTime.tm_year < 1980)
        zipTime = {0, 0, 0, 1, 0, 1980};
    else if (zipTime.tm_year > 2107)
        zipTime = {58, 59, 23, 31, 11, 2107};
    return zipTime;
}

// Names in a folder, sorted by their bytes, so that an archive's order does not depend on the disk.
bool ListFolder(const std::string& folder, std::vector<std::string>& names)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return false;
    while (const dirent* item = readdir(dir)) {
        std::string name = item->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    closedir(dir);
    std::sort(names.begin(), names.end());
    return true;
}

// Unlinks a temporary file unless it was given its final name.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& beside) : path_(beside + ".XXXXXX")
    {
        int fd = mkstemp(&path_[0]);
        if (fd < 0) {
            path_.clear();
            return;
        }
        fchmod(fd, 0644);
        close(fd);
    }
    ~TemporaryFile()
    {
        if (!path_.empty())
            unlink(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool Created() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::string path_;
};

// Flushes a file's or folder's data and entries to the disk; false when the disk says it failed.
bool SyncToDisk(const std::string& path, bool folder)
{
    int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | (folder ? O_DIRECTORY : 0));
    if (fd < 0)
        return false;
    bool synced = fsync(fd) == 0;
    return close(fd) == 0 && synced;
}

std::string FolderOf(const std::string& path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

ZpPacker::ZpPacker(const ZpSettings& settings, ZpPrintFunction print) : settings_(settings), print_(print)
{
    root_ = settings_.rootDir.empty() ? "." : WinPathToLinux(settings_.rootDir.c_str());
    while (root_.size() > 1 && root_.back() == '/')
        root_.pop_back();
}

int ZpPacker::Fail(int code, const std::string& message) const
{
    if (print_) {
        std::string text = "zip error: " + message + "\n";
        print_(&text[0], text.size());
    }
    return code;
}

std::string ZpPacker::Resolve(const std::string& windowsPath) const
{
    std::string path = WinPathToLinux(windowsPath.c_str());
    return !path.empty() && path[0] == '/' ? path : root_ + "/" + path;
}

int ZpPacker::Pack(const std::string& archiveName, const std::vector<std::string>& names)
{
    entries_.clear();
    if (names.empty())
        return Fail(ZP_ERROR_PARAMETERS, "nothing named to pack");
    for (const std::string& name : names)
        if (int result = Collect(name))
            return result;

    std::string archive = Resolve(archiveName);
    struct stat existing;
    if (lstat(archive.c_str(), &existing) == 0)
        return Fail(ZP_ERROR_EXISTS, "the archive already exists: " + archiveName);
    TemporaryFile temporary(archive);
    if (!temporary.Created())
        return Fail(ZP_ERROR_CREATE, "cannot create the archive " + archiveName);
    int result = WriteArchive(temporary.Path());
    if (result == ZP_OK)
        result = CheckArchive(temporary.Path());
    if (result == ZP_OK && !SyncToDisk(temporary.Path(), false))
        result = Fail(ZP_ERROR_WRITE, "cannot write the archive to the disk: " + archiveName);
    if (result == ZP_OK)
        result = Publish(temporary.Path(), archive, archiveName);
    if (result != ZP_OK)
        return result;
    temporary.Release();
    // Only an archive whose data and name are both on the disk may replace the sources: after a
    // power cut there is then either the archive or every source.
    if (!SyncToDisk(FolderOf(archive), true)) {
        unlink(archive.c_str());
        return Fail(ZP_ERROR_WRITE, "cannot write the archive's name to the disk: " + archiveName);
    }
    return settings_.move ? RemoveSources() : ZP_OK;
}

int ZpPacker::Collect(const std::string& windowsName)
{
    std::string path = Resolve(windowsName);
    size_t slash = path.rfind('/');
    std::string last = path.substr(slash + 1);
    if (last == "*.*" || last == "*")
        return AddFolderContents(path.substr(0, std::max<size_t>(slash, 1)));
    return AddTree(path);
}

// Adds a file, or a folder with its entry and, when recursing, its contents. The root folder
// itself has no entry.
int ZpPacker::AddTree(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0)
        return Fail(ZP_ERROR_SOURCE, "not found: " + LinuxPathToWin(path));
    bool isFolder = S_ISDIR(info.st_mode);
    if (!isFolder && !S_ISREG(info.st_mode))
        return Fail(ZP_ERROR_SOURCE, "not a file or folder: " + LinuxPathToWin(path));
    if (isFolder && !settings_.recurse)
        return ZP_OK;
    if (path != root_) {
        std::string prefix = root_ == "/" ? root_ : root_ + "/";
        if (path.compare(0, prefix.size(), prefix) != 0)
            return Fail(ZP_ERROR_PARAMETERS, "outside the root folder: " + LinuxPathToWin(path));
        unsigned long long size = isFolder ? 0 : static_cast<unsigned long long>(info.st_size);
        Entry entry{path.substr(prefix.size()), isFolder, false, size, info.st_mtime, 0};
        if (NameOf(entry).size() > kLongestEntryName)
            return Fail(ZP_ERROR_PARAMETERS, "name too long: " + LinuxPathToWin(path));
        entries_.push_back(std::move(entry));
    }
    return isFolder ? AddFolderContents(path) : ZP_OK;
}

int ZpPacker::AddFolderContents(const std::string& folder)
{
    std::vector<std::string> names;
    if (!ListFolder(folder, names))
        return Fail(ZP_ERROR_SOURCE, "cannot read the folder " + LinuxPathToWin(folder));
    for (const std::string& name : names)
        if (int result = AddTree(folder == "/" ? folder + name : folder + "/" + name))
            return result;
    return ZP_OK;
}

std::string ZpPacker::PathOf(const Entry& entry) const
{
    return root_ == "/" ? root_ + entry.relative : root_ + "/" + entry.relative;
}

std::string ZpPacker::NameOf(const Entry& entry)
{
    return cp932::FromUtf8(entry.relative) + (entry.isFolder ? "/" : "");
}

size_t ZpPacker::StoredCount() const
{
    return std::count_if(entries_.begin(), entries_.end(), [this](const Entry& e) { return IsStored(e); });
}

int ZpPacker::WriteArchive(const std::string& path)
{
    zipFile zip = zipOpen64(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip)
        return Fail(ZP_ERROR_CREATE, "cannot create " + LinuxPathToWin(path));
    int result = ZP_OK;
    for (Entry& entry : entries_)
        if (IsStored(entry) && (result = WriteEntry(zip, entry)) != ZP_OK)
            break;
    if (zipClose(zip, nullptr) != ZIP_OK && result == ZP_OK)
        result = Fail(ZP_ERROR_WRITE, "cannot finish " + LinuxPathToWin(path));
    return result;
}

int ZpPacker::WriteEntry(void* zip, Entry& entry)
{
    std::string displayName = LinuxPathToWin(PathOf(entry));
    std::unique_ptr<ZpSourceFile> source;
    if (!entry.isFolder) {
        source.reset(new ZpSourceFile(PathOf(entry)));
        if (!source->IsOpen())
            return Fail(ZP_ERROR_SOURCE, "cannot open " + displayName);
        entry.isText = source->ScanIsText();
    }
    zip_fileinfo info = {};
    info.tmz_date = ZipTime(entry.modified);
    info.internal_fa = entry.isText ? kTextFileInternal : 0;
    info.external_fa = entry.isFolder ? kFolderAttributes : kFileAttributes;
    int method = entry.size == 0 ? 0 : Z_DEFLATED; // folders and empty files are stored
    int zip64 = entry.size >= 0xFFFFFFFFull ? 1 : 0;
    if (zipOpenNewFileInZip4_64(zip, NameOf(entry).c_str(), &info, nullptr, 0, nullptr, 0, nullptr, method,
                                settings_.level, 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                                kVersionMadeBy, 0, zip64) != ZIP_OK)
        return Fail(ZP_ERROR_WRITE, "cannot add " + displayName);

    entry.stored = 0;
    long got = 0;
    while (source && (got = source->Read(piece_, settings_.crlfToLf && entry.isText)) > 0) {
        if (zipWriteInFileInZip(zip, piece_.data(), static_cast<unsigned>(got)) != ZIP_OK)
            return Fail(ZP_ERROR_WRITE, "cannot write " + displayName);
        entry.stored += got;
    }
    if (got < 0)
        return Fail(ZP_ERROR_SOURCE, "cannot read " + displayName);
    if (zipCloseFileInZip(zip) != ZIP_OK)
        return Fail(ZP_ERROR_WRITE, "cannot write " + displayName);
    return ZP_OK;
}

int ZpPacker::CheckArchive(const std::string& path) const
{
    unzFile unzip = unzOpen64(path.c_str());
    if (!unzip)
        return Fail(ZP_ERROR_CHECK, "cannot read back " + LinuxPathToWin(path));
    unz_global_info64 global;
    int result = unzGetGlobalInfo64(unzip, &global) == UNZ_OK && global.number_entry == StoredCount()
                     ? ZP_OK
                     : Fail(ZP_ERROR_CHECK, "wrong entry count in " + LinuxPathToWin(path));
    bool first = true;
    std::vector<char> buffer(kCheckPieceSize);
    for (const Entry& entry : entries_) {
        if (result != ZP_OK || !IsStored(entry))
            continue;
        if ((first ? unzGoToFirstFile(unzip) : unzGoToNextFile(unzip)) != UNZ_OK)
            result = Fail(ZP_ERROR_CHECK, "entry missing: " + LinuxPathToWin(PathOf(entry)));
        else
            result = CheckEntry(unzip, entry, buffer);
        first = false;
    }
    unzClose(unzip);
    return result;
}

// The current entry has the entry's name, and its data read whole have the size written and a
// matching checksum.
int ZpPacker::CheckEntry(void* unzip, const Entry& entry, std::vector<char>& buffer) const
{
    std::string displayName = LinuxPathToWin(PathOf(entry));
    std::vector<char> name(kLongestEntryName + 1);
    unz_file_info64 info;
    if (unzGetCurrentFileInfo64(unzip, &info, name.data(), name.size(), nullptr, 0, nullptr, 0) != UNZ_OK ||
        std::string(name.data(), info.size_filename) != NameOf(entry))
        return Fail(ZP_ERROR_CHECK, "entry name differs: " + displayName);
    if (unzOpenCurrentFile(unzip) != UNZ_OK)
        return Fail(ZP_ERROR_CHECK, "cannot read back " + displayName);
    unsigned long long total = 0;
    int got;
    while ((got = unzReadCurrentFile(unzip, buffer.data(), buffer.size())) > 0)
        total += got;
    bool intact = unzCloseCurrentFile(unzip) == UNZ_OK && got == 0 && total == entry.stored;
    return intact ? ZP_OK : Fail(ZP_ERROR_CHECK, "data differ when read back: " + displayName);
}

// Gives the finished archive its name, never replacing a file that took the name meanwhile.
int ZpPacker::Publish(const std::string& temporary, const std::string& archive, const std::string& archiveName) const
{
    if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, archive.c_str(), RENAME_NOREPLACE) == 0)
        return ZP_OK;
    if (errno == EINVAL || errno == ENOSYS) { // a file system that cannot refuse to replace
        struct stat existing;
        if (lstat(archive.c_str(), &existing) != 0 && rename(temporary.c_str(), archive.c_str()) == 0)
            return ZP_OK;
    }
    if (errno == EEXIST || access(archive.c_str(), F_OK) == 0)
        return Fail(ZP_ERROR_EXISTS, "the archive already exists: " + archiveName);
    return Fail(ZP_ERROR_CREATE, "cannot create the archive " + archiveName);
}

// Removes the files, then the folders deepest first. Every source is in the archive by now, so a
// failure loses nothing; it is reported and the rest are still tried.
int ZpPacker::RemoveSources() const
{
    int result = ZP_OK;
    for (const Entry& entry : entries_)
        if (!entry.isFolder && unlink(PathOf(entry).c_str()) != 0)
            result = Fail(ZP_ERROR_MOVE, "cannot remove " + LinuxPathToWin(PathOf(entry)));
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry)
        if (entry->isFolder && rmdir(PathOf(*entry).c_str()) != 0)
            result = Fail(ZP_ERROR_MOVE, "cannot remove " + LinuxPathToWin(PathOf(*entry)));
    return result;
}
