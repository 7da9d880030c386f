// Packs files and folders into a new zip archive, as ZpArchive is asked to.
#pragma once

#include "zipnorva/ZpApi.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

struct ZpPreparedEntry;
class ZpEntryQueue;

// The options in force, taken from the caller's option record.
struct ZpSettings {
    std::string rootDir; // Windows path, CP932; empty for the current folder
    bool crlfToLf = false;
    bool move = false;
    bool recurse = false;
    bool noDirEntries = false;
    int level = -1; // zlib's level; -1 for its default
};

class ZpPacker {
public:
    ZpPacker(const ZpSettings& settings, ZpPrintFunction print);

    // Writes the archive archiveName (relative to the root folder unless absolute) holding the
    // named files and folders, with entry names relative to the root folder. Each file is read
    // once; files are compressed on worker threads and written in order. The archive is written
    // to a temporary file beside it, its central directory read back and compared with what was
    // written (names, sizes and checksums), flushed to the disk and only then given its name,
    // which must not exist yet; with move the sources are removed after that name is flushed to
    // the disk too (the folder that holds it). Returns ZP_OK or a ZP_ERROR_ code; up to the
    // removal, a failure leaves every source and no file behind.
    int Pack(const std::string& archiveName, const std::vector<std::string>& names);

private:
    // One file or folder to pack. An archive may hold a great many, so an entry is small: its
    // name below its folder's entry is kept once in names_, in UTF-8 (for its Linux path) and in
    // CP932 (for its entry name), and its paths are put together from its folders' names.
    struct Entry {
        unsigned long long size; // bytes on the disk when listed; once written, bytes stored
        std::time_t modified;
        std::uint32_t nameAt; // where its UTF-8 name starts in names_; its CP932 name follows
        std::uint32_t parent; // the entry of its folder; kNoParent: the name is from the root
        std::uint32_t crc;    // of the bytes stored, once written
        std::uint16_t utf8Length;
        std::uint16_t cp932Length;
        bool isFolder;
        bool isText;
    };
    static const std::uint32_t kNoParent = 0xFFFFFFFF;

    int Fail(int code, const std::string& message) const;
    std::string Resolve(const std::string& windowsPath) const;
    int Collect(const std::string& windowsName);
    int AddTree(std::string& path, const struct stat& info, std::uint32_t parent, size_t nameLength);
    int AddEntry(const std::string& path, size_t nameStart, std::uint32_t parent, size_t nameLength,
                 const struct stat& info);
    int AddFolderContents(std::string& folder, std::uint32_t parent, size_t nameLength);
    void AppendName(std::uint32_t index, bool cp932, std::string& out) const;
    // The entry's Linux path, and its entry name (CP932, "/" between names, "/" at the end of a
    // folder); each valid until the next call of the same function.
    const std::string& PathOf(std::uint32_t index);
    const std::string& NameOf(std::uint32_t index);
    std::string DisplayName(std::uint32_t index);
    bool IsStored(const Entry& entry) const { return !entry.isFolder || !settings_.noDirEntries; }
    size_t StoredCount() const;
    int WriteArchive(const std::string& path);
    int WriteEntries(void* zip);
    void QueueEntry(ZpEntryQueue& queue, std::uint32_t index);
    int WriteEntry(void* zip, std::uint32_t index, const ZpPreparedEntry& prepared);
    int WriteStreamed(void* zip, std::uint32_t index);
    bool OpenEntry(void* zip, std::uint32_t index, bool raw);
    int CheckArchive(const std::string& path);
    int Publish(const std::string& temporary, const std::string& archive, const std::string& archiveName) const;
    int RemoveSources();

    ZpSettings settings_;
    ZpPrintFunction print_;
    std::string root_;       // Linux path of the root folder, without a final "/"
    std::string rootPrefix_; // root_ with a final "/"
    std::vector<Entry> entries_;
    std::string names_;
    std::string name_, path_, utf8Name_; // PathOf's, NameOf's and AddEntry's, kept from entry to entry
    std::vector<char> piece_;            // what WriteStreamed reads, kept from file to file
};
