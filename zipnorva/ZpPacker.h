// Packs files and folders into a new zip archive, as ZpArchive is asked to.
#pragma once

#include "zipnorva/ZpApi.h"
#include "zipnorva/ZpEntryDigest.h"
#include "zipnorva/ZpTreeWalk.h"

#include <deque>
#include <string>
#include <vector>

struct ZpPreparedEntry;
class ZpArchiveTarget;
class ZpEntryQueue;
class ZpSourceRemover;

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

    // Writes the archive archiveName (relative to the root folder unless absolute; "." and ".."
    // taken on the text, as Windows takes them) holding the named files and folders, with entry
    // names relative to the root folder. The names are walked as they are written, never through
    // a link, and each file is read once; files are compressed on worker threads and written in
    // order. The archive is written to a temporary file beside it, its central directory read
    // back and compared with what was written (names, methods, sizes and checksums, in order),
    // flushed to the disk and only then given its name, which must not exist yet; with move, what
    // the archive holds is then removed from the disk, once that name is flushed to the disk too
    // (the folder that holds it), and only while the root folder is still the one walked. Returns
    // ZP_OK or a ZP_ERROR_ code; up to the removal, a failure leaves every source and no file
    // behind. The memory used grows with the archive by minizip's central directory, and by no
    // list of the entries: only by the few notes that the removal may need (RemovalNote).
    int Pack(const std::string& archiveName, const std::vector<std::string>& names);

private:
    // What the removal cannot take from the archive, noted as the entries are walked: a folder
    // left out of the archive (noDirEntries), to be removed before the entry of that ordinal; or
    // an entry whose name does not give its Linux name back from CP932, removed by this name
    // instead. Neither happens in the usual archive, where nothing is noted.
    struct RemovalNote {
        unsigned long long ordinal;
        std::string path; // relative to the root folder, without a final "/"
        bool replacesEntry;
    };

    int Fail(int code, const std::string& message) const;
    std::string Resolve(const std::string& windowsPath) const;
    bool IsStored(const ZpTreeWalk::Entry& entry) const { return !entry.isFolder || !settings_.noDirEntries; }
    int WriteArchive(const ZpArchiveTarget& target, ZpTreeWalk& walk);
    int WriteEntries(void* zip, ZpTreeWalk& walk);
    int FindNextStored(ZpTreeWalk& walk, ZpTreeWalk::Entry& entry, unsigned long long ordinal, bool& found);
    void NoteForRemoval(const ZpTreeWalk::Entry& entry, unsigned long long ordinal);
    void QueueEntry(ZpEntryQueue& queue, const ZpTreeWalk::Entry& entry);
    int WriteEntry(void* zip, const ZpTreeWalk::Entry& entry, const ZpPreparedEntry& prepared);
    int WriteStreamed(void* zip, const ZpTreeWalk::Entry& entry);
    bool OpenEntry(void* zip, const ZpTreeWalk::Entry& entry, bool isText, bool raw);
    int CheckArchive(const ZpArchiveTarget& target);
    int Publish(ZpArchiveTarget& target, const std::string& archiveName) const;
    int RemoveSources(const ZpArchiveTarget& target, const ZpTreeWalk& walk);
    void RemoveNotedFolders(ZpSourceRemover& remover, unsigned long long before);

    ZpSettings settings_;
    ZpPrintFunction print_;
    std::string root_;       // Linux path of the root folder, without a final "/"
    std::string rootPrefix_; // root_ with a final "/"
    ZpEntryDigest written_;
    std::deque<RemovalNote> removalNotes_; // with move only
    std::vector<char> piece_;              // what WriteStreamed reads, kept from file to file
};
