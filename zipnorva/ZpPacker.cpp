#include "zipnorva/ZpPacker.h"

#include "platform/core/Cp932.h"
#include "platform/files/WinPath.h"
#include "zipnorva/ZpArchiveFile.h"
#include "zipnorva/ZpArchiveTarget.h"
#include "zipnorva/ZpEntryQueue.h"
#include "zipnorva/ZpSourceFile.h"
#include "zipnorva/ZpSourceRemover.h"
#include "zipnorva/ZpZip64End.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <exception>
#include <functional>
#include <sys/stat.h>
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

bool HasDrive(const std::string& path)
{
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

bool StartsWithSeparator(const std::string& path) { return !path.empty() && (path[0] == '\\' || path[0] == '/'); }

// The Windows path of name from the folder root (unless name is absolute), with "." and ".."
// resolved on the text as Windows resolves a full path, whatever the names are on the disk:
// "..\x.zip" from "P\F" is "P\x.zip" even where "P\F" is a link to a folder elsewhere. A ".."
// never takes away the drive or the first "\"; at the start of a relative path it stays, for the
// current folder's parent.
std::string ResolveOnText(const std::string& root, const std::string& name)
{
    bool nameAbsolute = HasDrive(name) || StartsWithSeparator(name);
    std::string path = nameAbsolute || root.empty() ? name : root + "\\" + name;
    size_t start = HasDrive(path) ? 2 : 0;
    bool absolute = start > 0 || StartsWithSeparator(path);
    std::vector<std::string> names;
    for (const std::string& part : SplitCp932(path.substr(start), "\\/")) {
        if (part == ".." && !names.empty() && names.back() != "..")
            names.pop_back();
        else if (part != "." && (part != ".." || !absolute))
            names.push_back(part);
    }
    std::string resolved = path.substr(0, start) + (absolute ? "\\" : "");
    for (size_t i = 0; i < names.size(); ++i)
        resolved += (i > 0 ? "\\" : "") + names[i];
    return resolved;
}

// Folders and empty files are stored, the rest deflated.
int MethodOf(const ZpTreeWalk::Entry& entry) { return entry.size == 0 ? 0 : Z_DEFLATED; }

// The Linux path relative to the root folder that an entry name stands for, as far as CP932 can
// tell it.
std::string LinuxNameOf(const std::string& entryName)
{
    bool folder = !entryName.empty() && entryName.back() == '/';
    return cp932::ToUtf8(folder ? entryName.substr(0, entryName.size() - 1) : entryName);
}

// Reads the central directory of the archive open as archive through minizip's unzip, calling
// visit with each entry's name and header, in order. False when the archive cannot be opened or
// an entry cannot be read.
bool VisitDirectory(int archive, const std::function<void(const std::string& name, const unz_file_info64& info)>& visit)
{
    zlib_filefunc64_def functions = ZpArchiveFile::Functions();
    unzFile unzip = unzOpen2_64(&archive, &functions);
    if (!unzip)
        return false;
    unz_global_info64 global;
    bool read = unzGetGlobalInfo64(unzip, &global) == UNZ_OK;
    std::vector<char> buffer(kLongestEntryName + 1);
    std::string name;
    // As many as the end records give: past the last, minizip may read on when they give 0xFFFF.
    for (ZPOS64_T index = 0; read && index < global.number_entry; ++index) {
        unz_file_info64 info;
        read = (index == 0 ? unzGoToFirstFile(unzip) : unzGoToNextFile(unzip)) == UNZ_OK &&
               unzGetCurrentFileInfo64(unzip, &info, buffer.data(), buffer.size(), nullptr, 0, nullptr, 0) == UNZ_OK;
        if (read) {
            name.assign(buffer.data(), std::min<size_t>(info.size_filename, buffer.size()));
            visit(name, info);
        }
    }
    unzClose(unzip);
    return read;
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
    written_ = ZpEntryDigest();
    removalNotes_.clear();
    if (names.empty())
        return Fail(ZP_ERROR_PARAMETERS, "nothing named to pack");
    ZpArchiveTarget target(WinPathToLinux(ResolveOnText(settings_.rootDir, archiveName).c_str()));
    if (target.NameTaken())
        return Fail(ZP_ERROR_EXISTS, "the archive already exists: " + archiveName);
    struct stat created;
    if (!target.CreateTemporary() || fstat(target.Temporary(), &created) != 0)
        return Fail(ZP_ERROR_CREATE, "cannot create the archive " + archiveName);
    std::vector<std::string> paths;
    for (const std::string& name : names)
        paths.push_back(Resolve(name));
    // The archive being written may lie among the sources: it is not one of them.
    ZpTreeWalk walk(root_, paths, settings_.recurse, created.st_dev, created.st_ino);
    int result = WriteArchive(target, walk);
    if (result == ZP_OK)
        result = CheckArchive(target);
    if (result == ZP_OK && !target.SyncTemporary())
        result = Fail(ZP_ERROR_WRITE, "cannot write the archive to the disk: " + archiveName);
    if (result == ZP_OK)
        result = Publish(target, archiveName);
    if (result != ZP_OK)
        return result;
    // Only an archive whose data and name are both on the disk may replace the sources: after a
    // power cut there is then either the archive or every source.
    if (!target.SyncFolder())
        return Fail(ZP_ERROR_WRITE, "cannot write the archive's name to the disk: " + archiveName);
    return settings_.move ? RemoveSources(target, walk) : ZP_OK;
}

int ZpPacker::WriteArchive(const ZpArchiveTarget& target, ZpTreeWalk& walk)
{
    std::string path = target.TemporaryPath();
    zlib_filefunc64_def functions = ZpArchiveFile::Functions();
    int archive = target.Temporary();
    zipFile zip = zipOpen2_64(&archive, APPEND_STATUS_CREATE, nullptr, &functions);
    if (!zip)
        return Fail(ZP_ERROR_CREATE, "cannot create " + LinuxPathToWin(path));
    int result = ZP_OK;
    try {
        result = WriteEntries(zip, walk);
    } catch (const std::exception&) { // out of memory, or no thread: the archive is still closed
        result = Fail(ZP_ERROR_WRITE, "cannot write " + LinuxPathToWin(path));
    }
    if (zipClose(zip, nullptr) != ZIP_OK && result == ZP_OK)
        result = Fail(ZP_ERROR_WRITE, "cannot finish " + LinuxPathToWin(path));
    if (result == ZP_OK && !AddZip64EndRecords(archive, written_.Count()))
        result = Fail(ZP_ERROR_WRITE, "cannot finish " + LinuxPathToWin(path));
    return result;
}

// Writes the entries in order as the walk finds them, while the workers prepare those after them.
int ZpPacker::WriteEntries(void* zip, ZpTreeWalk& walk)
{
    // The entries in the queue, by their place, each holding its file open until it is written:
    // declared first, to close those files only once the workers have stopped reading them.
    std::vector<ZpTreeWalk::Entry> queued;
    ZpEntryQueue queue(settings_.level, settings_.crlfToLf);
    queued.resize(queue.Capacity());
    unsigned long long found = 0;
    bool more = true;
    for (unsigned long long written = 0;; ++written) {
        while (more && queue.HasRoom()) {
            ZpTreeWalk::Entry& entry = queued[found % queued.size()];
            if (int result = FindNextStored(walk, entry, found, more))
                return result;
            if (more) {
                QueueEntry(queue, entry);
                ++found;
            }
        }
        if (written == found)
            return ZP_OK;
        ZpTreeWalk::Entry& entry = queued[written % queued.size()];
        int result = WriteEntry(zip, entry, queue.Oldest());
        queue.Release();
        entry.file.Reset();
        if (result != ZP_OK)
            return result;
    }
}

// Walks on to the next entry that the archive stores, the entry of that ordinal.
int ZpPacker::FindNextStored(ZpTreeWalk& walk, ZpTreeWalk::Entry& entry, unsigned long long ordinal, bool& found)
{
    do {
        if (int result = walk.Next(entry, found))
            return Fail(result, walk.Error());
        if (found && settings_.move)
            NoteForRemoval(entry, ordinal);
    } while (found && !IsStored(entry));
    return ZP_OK;
}

void ZpPacker::NoteForRemoval(const ZpTreeWalk::Entry& entry, unsigned long long ordinal)
{
    bool stored = IsStored(entry);
    std::string path = entry.path.substr(rootPrefix_.size());
    if (!stored || LinuxNameOf(entry.name) != path)
        removalNotes_.push_back({ordinal, path, stored});
}

void ZpPacker::QueueEntry(ZpEntryQueue& queue, const ZpTreeWalk::Entry& entry)
{
    ZpPreparedEntry& prepared = queue.NextToQueue();
    prepared.file = entry.file.Get();
    prepared.deflate = MethodOf(entry) == Z_DEFLATED;
    queue.Queue();
}

int ZpPacker::WriteEntry(void* zip, const ZpTreeWalk::Entry& entry, const ZpPreparedEntry& prepared)
{
    switch (prepared.outcome) {
    case ZpPreparedEntry::kReady:
        break;
    case ZpPreparedEntry::kTooLarge:
        return WriteStreamed(zip, entry);
    case ZpPreparedEntry::kCannotRead:
        return Fail(ZP_ERROR_SOURCE, "cannot read " + LinuxPathToWin(entry.path));
    case ZpPreparedEntry::kCannotCompress:
        return Fail(ZP_ERROR_WRITE, "cannot compress " + LinuxPathToWin(entry.path));
    }
    if (!OpenEntry(zip, entry, prepared.isText, true))
        return Fail(ZP_ERROR_WRITE, "cannot add " + LinuxPathToWin(entry.path));
    if ((!prepared.data.empty() &&
         zipWriteInFileInZip(zip, prepared.data.data(), static_cast<unsigned>(prepared.data.size())) != ZIP_OK) ||
        zipCloseFileInZipRaw64(zip, prepared.size, prepared.crc) != ZIP_OK)
        return Fail(ZP_ERROR_WRITE, "cannot write " + LinuxPathToWin(entry.path));
    written_.Add(entry.name.data(), entry.name.size(), MethodOf(entry), prepared.crc, prepared.size);
    return ZP_OK;
}

// A file too large to be held in memory: read twice, for the text test and for the archive, and
// compressed by minizip here.
int ZpPacker::WriteStreamed(void* zip, const ZpTreeWalk::Entry& entry)
{
    ZpSourceFile source(entry.file.Get());
    bool isText = source.ScanIsText();
    if (!OpenEntry(zip, entry, isText, false))
        return Fail(ZP_ERROR_WRITE, "cannot add " + LinuxPathToWin(entry.path));
    unsigned long long stored = 0;
    uLong crc = crc32(0, nullptr, 0);
    long got = 0;
    while ((got = source.Read(piece_, settings_.crlfToLf && isText)) > 0) {
        if (zipWriteInFileInZip(zip, piece_.data(), static_cast<unsigned>(got)) != ZIP_OK)
            return Fail(ZP_ERROR_WRITE, "cannot write " + LinuxPathToWin(entry.path));
        crc = crc32(crc, reinterpret_cast<const Bytef*>(piece_.data()), static_cast<uInt>(got));
        stored += got;
    }
    if (got < 0)
        return Fail(ZP_ERROR_SOURCE, "cannot read " + LinuxPathToWin(entry.path));
    if (zipCloseFileInZip(zip) != ZIP_OK)
        return Fail(ZP_ERROR_WRITE, "cannot write " + LinuxPathToWin(entry.path));
    written_.Add(entry.name.data(), entry.name.size(), MethodOf(entry), crc, stored);
    return ZP_OK;
}

// Starts the entry in the archive: raw for data deflated already.
bool ZpPacker::OpenEntry(void* zip, const ZpTreeWalk::Entry& entry, bool isText, bool raw)
{
    zip_fileinfo info = {};
    info.tmz_date = ZipTime(entry.modified);
    info.internal_fa = isText ? kTextFileInternal : 0;
    info.external_fa = entry.isFolder ? kFolderAttributes : kFileAttributes;
    int zip64 = entry.size >= 0xFFFFFFFFull ? 1 : 0;
    return zipOpenNewFileInZip4_64(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, MethodOf(entry),
                                   settings_.level, raw ? 1 : 0, -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr,
                                   0, kVersionMadeBy, 0, zip64) == ZIP_OK;
}

// Reads the archive's central directory back: it must list the entries written, in order, with
// the names, methods, sizes and checksums written.
int ZpPacker::CheckArchive(const ZpArchiveTarget& target)
{
    std::string path = target.TemporaryPath();
    ZpEntryDigest readBack;
    bool read = VisitDirectory(target.Temporary(), [&readBack](const std::string& name, const unz_file_info64& info) {
        readBack.Add(name.data(), name.size(), info.compression_method, info.crc, info.uncompressed_size);
    });
    if (!read)
        return Fail(ZP_ERROR_CHECK, "cannot read back " + LinuxPathToWin(path));
    if (!(readBack == written_))
        return Fail(ZP_ERROR_CHECK, "the entries read back differ from those written: " + LinuxPathToWin(path));
    return ZP_OK;
}

// Gives the finished archive its name, never replacing a file that took the name meanwhile.
int ZpPacker::Publish(ZpArchiveTarget& target, const std::string& archiveName) const
{
    switch (target.Publish()) {
    case ZpArchiveTarget::kPublished:
        return ZP_OK;
    case ZpArchiveTarget::kNameTaken:
        return Fail(ZP_ERROR_EXISTS, "the archive already exists: " + archiveName);
    default:
        return Fail(ZP_ERROR_CREATE, "cannot create the archive " + archiveName);
    }
}

// Removes exactly what the archive holds, as its central directory lists it, with what was noted
// for the removal: the files, and the folders deepest first once what they held is gone, so that
// a file put among the sources after they were walked stays, and so does its folder. Every
// source is in the archive by now, so a failure loses nothing; it is reported and the rest are
// still tried. Nothing is removed unless the root folder is still the one walked.
int ZpPacker::RemoveSources(const ZpArchiveTarget& target, const ZpTreeWalk& walk)
{
    ZpSourceRemover remover(root_, walk.RootDevice(), walk.RootInode(), [this](const std::string& path) {
        Fail(ZP_ERROR_MOVE, "cannot remove " + LinuxPathToWin(path));
    });
    unsigned long long ordinal = 0;
    bool read = VisitDirectory(target.Temporary(), [&](const std::string& name, const unz_file_info64&) {
        RemoveNotedFolders(remover, ordinal);
        bool renamed = !removalNotes_.empty() && removalNotes_.front().ordinal == ordinal;
        remover.Remove(renamed ? removalNotes_.front().path : LinuxNameOf(name), !name.empty() && name.back() == '/');
        if (renamed)
            removalNotes_.pop_front();
        ++ordinal;
    });
    if (!read)
        return Fail(ZP_ERROR_MOVE, "cannot read back " + LinuxPathToWin(target.TemporaryPath()));
    RemoveNotedFolders(remover, ordinal);
    remover.Finish();
    return remover.Failed() ? ZP_ERROR_MOVE : ZP_OK;
}

// Hands the remover the folders left out of the archive that were walked before the entry of
// that ordinal.
void ZpPacker::RemoveNotedFolders(ZpSourceRemover& remover, unsigned long long before)
{
    while (!removalNotes_.empty() && removalNotes_.front().ordinal <= before && !removalNotes_.front().replacesEntry) {
        remover.Remove(removalNotes_.front().path, true);
        removalNotes_.pop_front();
    }
}
