// Packs files and folders into a new zip archive, as ZpArchive is asked to.
#pragma once

#include "zipnorva/ZpApi.h"

#include <ctime>
#include <string>
#include <vector>

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
    // named files and folders, with entry names relative to the root folder. The archive is
    // written to a temporary file beside it, read back whole, flushed to the disk and only then
    // given its name, which must not exist yet; with move the sources are removed after that name
    // is flushed to the disk too (the folder that holds it). Returns ZP_OK or a
    // ZP_ERROR_ code; up to the removal, a failure leaves every source and no file behind.
    int Pack(const std::string& archiveName, const std::vector<std::string>& names);

private:
    // One file or folder to pack. An archive may hold many thousands, so an entry keeps only its
    // path below the root folder, from which its Linux path and its entry name are made.
    struct Entry {
        std::string relative; // UTF-8, "/" between names
        bool isFolder;
        bool isText;
        unsigned long long size;
        std::time_t modified;
        unsigned long long stored; // bytes stored, after any line-end translation
    };

    int Fail(int code, const std::string& message) const;
    std::string Resolve(const std::string& windowsPath) const;
    int Collect(const std::string& windowsName);
    int AddTree(const std::string& path);
    int AddFolderContents(const std::string& folder);
    std::string PathOf(const Entry& entry) const;
    // The entry name: CP932, "/" between names, "/" at the end of a folder.
    static std::string NameOf(const Entry& entry);
    bool IsStored(const Entry& entry) const { return !entry.isFolder || !settings_.noDirEntries; }
    size_t StoredCount() const;
    int WriteArchive(const std::string& path);
    int WriteEntry(void* zip, Entry& entry);
    int CheckArchive(const std::string& path) const;
    int CheckEntry(void* unzip, const Entry& entry, std::vector<char>& buffer) const;
    int Publish(const std::string& temporary, const std::string& archive, const std::string& archiveName) const;
    int RemoveSources() const;

    ZpSettings settings_;
    ZpPrintFunction print_;
    std::string root_; // Linux path of the root folder, without a final "/"
    std::vector<Entry> entries_;
    std::vector<char> piece_; // what WriteEntry reads, kept from file to file
};
