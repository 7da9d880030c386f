// Walks the files and folders named for an archive, one entry at a time, in the archive's order:
// each name in turn, a folder's entry before what it holds, and each folder's names sorted by
// their bytes, so that an archive's order does not depend on the disk. Only the listings of the
// folders on the current path are held, so that its memory does not grow with the tree.
#pragma once

#include <cstddef>
#include <ctime>
#include <dirent.h>
#include <string>
#include <sys/types.h>
#include <vector>

class ZpTreeWalk {
public:
    // One file or folder found.
    struct Entry {
        std::string path;            // its Linux path
        std::string name;            // its entry name: CP932, "/" between names, "/" at the end of a folder
        unsigned long long size = 0; // bytes on the disk when found; 0 for a folder
        std::time_t modified = 0;
        bool isFolder = false;
    };

    // root: the Linux path of the root folder, without a final "/" (but "/" itself); entry names
    // start from it. names: Linux paths of files and folders, or of a folder followed by "/*.*"
    // (or "/*") for what it holds. Without recurse, folders are left out, except those named
    // with "*.*". The file skipped (st_dev, st_ino) is never found: the archive being written.
    ZpTreeWalk(const std::string& root, const std::vector<std::string>& names, bool recurse, dev_t skippedDevice,
               ino_t skippedInode);
    ~ZpTreeWalk();
    ZpTreeWalk(const ZpTreeWalk&) = delete;
    ZpTreeWalk& operator=(const ZpTreeWalk&) = delete;

    // Finds the next entry: ZP_OK with found set, or with found false once every name is walked;
    // otherwise a ZP_ERROR_ code, with Error() telling why (a name that does not exist, a link or
    // device file, an unreadable folder, a name outside the root folder or too long).
    int Next(Entry& entry, bool& found);
    const std::string& Error() const { return error_; }

private:
    // A folder whose names are being walked, open for looking them up.
    struct Level {
        DIR* dir = nullptr;
        std::string names;          // each ending with a NUL
        std::vector<size_t> starts; // where each starts in names, sorted by the names
        size_t next = 0;            // the next of starts to visit
        size_t pathLength = 0;      // of path_ up to and with the "/" after the folder
        size_t nameLength = 0;      // of name_ up to and with the "/" after the folder's entry name
        bool namedFromRoot = false; // the folder has no entry: its names are taken from the root on
    };

    int Refuse(int code, const std::string& reason);
    int StartName(const std::string& path, Entry& entry, bool& found);
    int VisitNextInFolder(Entry& entry, bool& found);
    int Visit(const struct stat& info, bool namedFromRoot, size_t nameLength, Entry& entry, bool& found);
    int EnterFolder(bool namedFromRoot, size_t nameLength);
    void LeaveFolder();

    std::string root_;
    std::string rootPrefix_; // root_ with a final "/"
    std::vector<std::string> names_;
    size_t nextName_ = 0;
    bool recurse_;
    dev_t skippedDevice_;
    ino_t skippedInode_;
    std::vector<Level> levels_;
    std::string path_, name_; // of the entry being visited
    std::string error_;
};
