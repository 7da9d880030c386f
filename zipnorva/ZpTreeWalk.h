// Walks the files and folders named for an archive, one entry at a time, in the archive's order:
// each name in turn, a folder's entry before what it holds, and each folder's names sorted by
// their bytes, so that an archive's order does not depend on the disk. Only the listings of the
// folders on the current path are held, so that its memory does not grow with the tree.
// The walk never follows a link: the last name of each name given is opened without following
// it (the names before it are the caller's), and everything below through the handle of the
// folder that holds it, so that what is packed lies where the names say whatever is swapped for
// a link meanwhile. Each file is opened when it is found and handed on open, so that what is
// packed is the very file found.
#pragma once

#include "zipnorva/ZpDescriptor.h"

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
        ZpDescriptor file; // a file's, open for reading; not open for a folder
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
    // device file, an unreadable folder or file, a name outside the root folder or too long). The
    // first call opens the root folder, which must be a folder and no link.
    int Next(Entry& entry, bool& found);
    const std::string& Error() const { return error_; }
    // The root folder as the walk opened it: what the removal must find there.
    dev_t RootDevice() const { return rootDevice_; }
    ino_t RootInode() const { return rootInode_; }

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
    int OpenRoot();
    int StartName(const std::string& path, Entry& entry, bool& found);
    int VisitNextInFolder(Entry& entry, bool& found);
    int Visit(int folder, const char* name, bool namedFromRoot, size_t nameLength, Entry& entry, bool& found);
    int EnterRoot(bool namedFromRoot, size_t nameLength);
    int EnterFolder(ZpDescriptor folder, bool namedFromRoot, size_t nameLength);
    void LeaveFolder();

    std::string root_;
    std::string rootPrefix_; // root_ with a final "/"
    std::vector<std::string> names_;
    size_t nextName_ = 0;
    bool recurse_;
    dev_t skippedDevice_;
    ino_t skippedInode_;
    ZpDescriptor rootFolder_;
    dev_t rootDevice_ = 0;
    ino_t rootInode_ = 0;
    std::vector<Level> levels_;
    std::string path_, name_; // of the entry being visited
    std::string error_;
};
