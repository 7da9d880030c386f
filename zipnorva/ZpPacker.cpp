#include "zipnorva/ZpPacker.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"
#include "zipnorva/ZpArchiveFile.h"
#include "zipnorva/ZpEntryQueue.h"
#include "zipnorva/ZpSourceFile.h"
#include "zipnorva/ZpZip64End.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <exception>
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

// The names in an open folder, sorted by their bytes, so that an archive's order does not depend
// on the disk: each ends with a NUL in text, starting at an offset of starts.
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
    rootPrefix_ = root_ == "/" ? root_ : root_ + "/";
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
    names_.clear();
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
    if (last == "*.*" || last == "*") {
        path.resize(std::max<size_t>(slash, 1));
        return AddFolderContents(path, kNoParent, 0);
    }
    struct stat info;
    if (lstat(path.c_str(), &info) != 0)
        return Fail(ZP_ERROR_SOURCE, "not found: " + LinuxPathToWin(path));
    return AddTree(path, info, kNoParent, 0);
}

// Adds a file, or a folder with its entry and, when recursing, its contents. The root folder
// itself has no entry. parent is the entry of the folder that holds path, or kNoParent when that
// folder has none: then the name is taken from the root folder on. nameLength is the length of
// the parent's entry name, "/" included (0 without a parent). path is restored.
int ZpPacker::AddTree(std::string& path, const struct stat& info, std::uint32_t parent, size_t nameLength)
{
    bool isFolder = S_ISDIR(info.st_mode);
    if (!isFolder && !S_ISREG(info.st_mode))
        return Fail(ZP_ERROR_SOURCE, "not a file or folder: " + LinuxPathToWin(path));
    if (isFolder && !settings_.recurse)
        return ZP_OK;
    if (path == root_)
        return isFolder ? AddFolderContents(path, parent, nameLength) : ZP_OK;
    size_t nameStart = rootPrefix_.size();
    if (parent == kNoParent && path.compare(0, nameStart, rootPrefix_) != 0)
        return Fail(ZP_ERROR_PARAMETERS, "outside the root folder: " + LinuxPathToWin(path));
    if (parent != kNoParent)
        nameStart = path.rfind('/') + 1;
    if (int result = AddEntry(path, nameStart, parent, nameLength, info))
        return result;
    if (!isFolder)
        return ZP_OK;
    auto folder = static_cast<std::uint32_t>(entries_.size() - 1);
    return AddFolderContents(path, folder, nameLength + entries_.back().cp932Length + 1);
}

int ZpPacker::AddEntry(const std::string& path, size_t nameStart, std::uint32_t parent, size_t nameLength,
                       const struct stat& info)
{
    bool isFolder = S_ISDIR(info.st_mode);
    utf8Name_.assign(path, nameStart, std::string::npos);
    std::string cp932Name = cp932::FromUtf8(utf8Name_);
    if (nameLength + cp932Name.size() + (isFolder ? 1 : 0) > kLongestEntryName || utf8Name_.size() > kLongestEntryName)
        return Fail(ZP_ERROR_PARAMETERS, "name too long: " + LinuxPathToWin(path));
    if (entries_.size() >= kNoParent || names_.size() + utf8Name_.size() + cp932Name.size() > 0xFFFFFFFFu)
        return Fail(ZP_ERROR_PARAMETERS, "too many files: " + LinuxPathToWin(path));
    Entry entry = {isFolder ? 0 : static_cast<unsigned long long>(info.st_size),
                   info.st_mtime,
                   static_cast<std::uint32_t>(names_.size()),
                   parent,
                   0,
                   static_cast<std::uint16_t>(utf8Name_.size()),
                   static_cast<std::uint16_t>(cp932Name.size()),
                   isFolder,
                   false};
    names_ += utf8Name_;
    names_ += cp932Name;
    entries_.push_back(entry);
    return ZP_OK;
}

// Adds what the folder holds, each looked up from the open folder; folder is restored.
int ZpPacker::AddFolderContents(std::string& folder, std::uint32_t parent, size_t nameLength)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return Fail(ZP_ERROR_SOURCE, "cannot read the folder " + LinuxPathToWin(folder));
    std::string text;
    std::vector<size_t> starts;
    ListFolder(dir, text, starts);
    size_t folderLength = folder.size();
    if (folder != "/")
        folder += '/';
    size_t childStart = folder.size();
    int result = ZP_OK;
    for (size_t i = 0; i < starts.size() && result == ZP_OK; ++i) {
        const char* name = text.c_str() + starts[i];
        folder.resize(childStart);
        folder.append(name);
        struct stat info;
        if (fstatat(dirfd(dir), name, &info, AT_SYMLINK_NOFOLLOW) != 0)
            result = Fail(ZP_ERROR_SOURCE, "not found: " + LinuxPathToWin(folder));
        else
            result = AddTree(folder, info, parent, nameLength);
    }
    closedir(dir);
    folder.resize(folderLength);
    return result;
}

void ZpPacker::AppendName(std::uint32_t index, bool cp932, std::string& out) const
{
    const Entry& entry = entries_[index];
    if (entry.parent != kNoParent) {
        AppendName(entry.parent, cp932, out);
        out += '/';
    }
    if (cp932)
        out.append(names_, entry.nameAt + entry.utf8Length, entry.cp932Length);
    else
        out.append(names_, entry.nameAt, entry.utf8Length);
}

const std::string& ZpPacker::PathOf(std::uint32_t index)
{
    path_ = rootPrefix_;
    AppendName(index, false, path_);
    return path_;
}

const std::string& ZpPacker::NameOf(std::uint32_t index)
{
    name_.clear();
    AppendName(index, true, name_);
    if (entries_[index].isFolder)
        name_ += '/';
    return name_;
}

std::string ZpPacker::DisplayName(std::uint32_t index) { return LinuxPathToWin(PathOf(index)); }

size_t ZpPacker::StoredCount() const
{
    return std::count_if(entries_.begin(), entries_.end(), [this](const Entry& e) { return IsStored(e); });
}

int ZpPacker::WriteArchive(const std::string& path)
{
    zlib_filefunc64_def functions = ZpArchiveFile::Functions();
    zipFile zip = zipOpen2_64(path.c_str(), APPEND_STATUS_CREATE, nullptr, &functions);
    if (!zip)
        return Fail(ZP_ERROR_CREATE, "cannot create " + LinuxPathToWin(path));
    int result = ZP_OK;
    try {
        result = WriteEntries(zip);
    } catch (const std::exception&) { // out of memory, or no thread: the archive is still closed
        result = Fail(ZP_ERROR_WRITE, "cannot write " + LinuxPathToWin(path));
    }
    if (zipClose(zip, nullptr) != ZIP_OK && result == ZP_OK)
        result = Fail(ZP_ERROR_WRITE, "cannot finish " + LinuxPathToWin(path));
    if (result == ZP_OK && !AddZip64EndRecords(path, StoredCount()))
        result = Fail(ZP_ERROR_WRITE, "cannot finish " + LinuxPathToWin(path));
    return result;
}

// Writes the entries in order while the workers prepare those after them.
int ZpPacker::WriteEntries(void* zip)
{
    ZpEntryQueue queue(settings_.level, settings_.crlfToLf);
    std::uint32_t next = 0; // the next entry to queue
    for (std::uint32_t index = 0; index < entries_.size(); ++index) {
        if (!IsStored(entries_[index]))
            continue;
        for (; next < entries_.size() && queue.HasRoom(); ++next)
            if (IsStored(entries_[next]))
                QueueEntry(queue, next);
        int result = WriteEntry(zip, index, queue.Oldest());
        queue.Release();
        if (result != ZP_OK)
            return result;
    }
    return ZP_OK;
}

void ZpPacker::QueueEntry(ZpEntryQueue& queue, std::uint32_t index)
{
    const Entry& entry = entries_[index];
    ZpPreparedEntry& prepared = queue.NextToQueue();
    if (entry.isFolder)
        prepared.path.clear();
    else
        prepared.path = PathOf(index);
    prepared.deflate = entry.size != 0; // folders and empty files are stored
    queue.Queue();
}

int ZpPacker::WriteEntry(void* zip, std::uint32_t index, const ZpPreparedEntry& prepared)
{
    switch (prepared.outcome) {
    case ZpPreparedEntry::kReady:
        break;
    case ZpPreparedEntry::kTooLarge:
        return WriteStreamed(zip, index);
    case ZpPreparedEntry::kCannotOpen:
        return Fail(ZP_ERROR_SOURCE, "cannot open " + DisplayName(index));
    case ZpPreparedEntry::kCannotRead:
        return Fail(ZP_ERROR_SOURCE, "cannot read " + DisplayName(index));
    case ZpPreparedEntry::kCannotCompress:
        return Fail(ZP_ERROR_WRITE, "cannot compress " + DisplayName(index));
    }
    Entry& entry = entries_[index];
    entry.isText = prepared.isText;
    if (!OpenEntry(zip, index, true))
        return Fail(ZP_ERROR_WRITE, "cannot add " + DisplayName(index));
    if ((!prepared.data.empty() &&
         zipWriteInFileInZip(zip, prepared.data.data(), static_cast<unsigned>(prepared.data.size())) != ZIP_OK) ||
        zipCloseFileInZipRaw64(zip, prepared.size, prepared.crc) != ZIP_OK)
        return Fail(ZP_ERROR_WRITE, "cannot write " + DisplayName(index));
    entry.size = prepared.size;
    entry.crc = static_cast<std::uint32_t>(prepared.crc);
    return ZP_OK;
}

// A file too large to be held in memory: read twice, for the text test and for the archive, and
// compressed by minizip here.
int ZpPacker::WriteStreamed(void* zip, std::uint32_t index)
{
    Entry& entry = entries_[index];
    ZpSourceFile source(PathOf(index));
    if (!source.IsOpen())
        return Fail(ZP_ERROR_SOURCE, "cannot open " + DisplayName(index));
    entry.isText = source.ScanIsText();
    if (!OpenEntry(zip, index, false))
        return Fail(ZP_ERROR_WRITE, "cannot add " + DisplayName(index));
    unsigned long long stored = 0;
    uLong crc = crc32(0, nullptr, 0);
    long got = 0;
    while ((got = source.Read(piece_, settings_.crlfToLf && entry.isText)) > 0) {
        if (zipWriteInFileInZip(zip, piece_.data(), static_cast<unsigned>(got)) != ZIP_OK)
            return Fail(ZP_ERROR_WRITE, "cannot write " + DisplayName(index));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(piece_.data()), static_cast<uInt>(got));
        stored += got;
    }
    if (got < 0)
        return Fail(ZP_ERROR_SOURCE, "cannot read " + DisplayName(index));
    if (zipCloseFileInZip(zip) != ZIP_OK)
        return Fail(ZP_ERROR_WRITE, "cannot write " + DisplayName(index));
    entry.size = stored;
    entry.crc = static_cast<std::uint32_t>(crc);
    return ZP_OK;
}

// Starts the entry in the archive: raw for data deflated already.
bool ZpPacker::OpenEntry(void* zip, std::uint32_t index, bool raw)
{
    const Entry& entry = entries_[index];
    zip_fileinfo info = {};
    info.tmz_date = ZipTime(entry.modified);
    info.internal_fa = entry.isText ? kTextFileInternal : 0;
    info.external_fa = entry.isFolder ? kFolderAttributes : kFileAttributes;
    int method = entry.size == 0 ? 0 : Z_DEFLATED; // folders and empty files are stored
    int zip64 = entry.size >= 0xFFFFFFFFull ? 1 : 0;
    return zipOpenNewFileInZip4_64(zip, NameOf(index).c_str(), &info, nullptr, 0, nullptr, 0, nullptr, method,
                                   settings_.level, raw ? 1 : 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr,
                                   0, kVersionMadeBy, 0, zip64) == ZIP_OK;
}

// Reads the archive's central directory back: it must list every entry, in order, with the name,
// size and checksum written.
int ZpPacker::CheckArchive(const std::string& path)
{
    zlib_filefunc64_def functions = ZpArchiveFile::Functions();
    unzFile unzip = unzOpen2_64(path.c_str(), &functions);
    if (!unzip)
        return Fail(ZP_ERROR_CHECK, "cannot read back " + LinuxPathToWin(path));
    unz_global_info64 global;
    int result = unzGetGlobalInfo64(unzip, &global) == UNZ_OK && global.number_entry == StoredCount()
                     ? ZP_OK
                     : Fail(ZP_ERROR_CHECK, "wrong entry count in " + LinuxPathToWin(path));
    std::vector<char> name(kLongestEntryName + 1);
    int step = unzGoToFirstFile(unzip);
    for (std::uint32_t index = 0; index < entries_.size() && result == ZP_OK; ++index) {
        const Entry& entry = entries_[index];
        if (!IsStored(entry))
            continue;
        unz_file_info64 info;
        if (step != UNZ_OK ||
            unzGetCurrentFileInfo64(unzip, &info, name.data(), name.size(), nullptr, 0, nullptr, 0) != UNZ_OK)
            result = Fail(ZP_ERROR_CHECK, "entry missing: " + DisplayName(index));
        else if (NameOf(index).compare(0, std::string::npos, name.data(), info.size_filename) != 0)
            result = Fail(ZP_ERROR_CHECK, "entry name differs: " + DisplayName(index));
        else if (info.uncompressed_size != entry.size || info.crc != entry.crc)
            result = Fail(ZP_ERROR_CHECK, "data differ when read back: " + DisplayName(index));
        step = unzGoToNextFile(unzip);
    }
    unzClose(unzip);
    return result;
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

// Removes the files, then the folders deepest first, each by its name in its open folder. Every
// source is in the archive by now, so a failure loses nothing; it is reported and the rest are
// still tried.
int ZpPacker::RemoveSources()
{
    int folder = -1;
    std::uint32_t folderEntry = kNoParent;
    auto remove = [&](std::uint32_t index, int flags) {
        const Entry& entry = entries_[index];
        if (folder < 0 || folderEntry != entry.parent) {
            if (folder >= 0)
                close(folder);
            const std::string& path = entry.parent == kNoParent ? root_ : PathOf(entry.parent);
            folder = open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
            folderEntry = entry.parent;
        }
        utf8Name_.assign(names_, entry.nameAt, entry.utf8Length);
        return unlinkat(folder, utf8Name_.c_str(), flags) == 0
                   ? ZP_OK
                   : Fail(ZP_ERROR_MOVE, "cannot remove " + DisplayName(index));
    };
    int result = ZP_OK;
    for (std::uint32_t index = 0; index < entries_.size(); ++index)
        if (!entries_[index].isFolder && remove(index, 0) != ZP_OK)
            result = ZP_ERROR_MOVE;
    for (std::uint32_t index = entries_.size(); index-- > 0;)
        if (entries_[index].isFolder && remove(index, AT_REMOVEDIR) != ZP_OK)
            result = ZP_ERROR_MOVE;
    if (folder >= 0)
        close(folder);
    return result;
}
