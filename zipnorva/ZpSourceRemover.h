// Removes the sources of a finished archive, given in the archive's order (a folder before what
// it holds) as Linux paths relative to the root folder: a file at once, a folder once the paths
// after it no longer lie in it, so that folders go deepest first, each after what it held. Only
// the folders on the current path are held open, however many the archive lists. Each is removed
// by its name in its open folder; a folder that still holds something is kept.
// Nothing is ever reached through a link: the root folder is opened without following its last
// name and must be the very folder that was packed, and each folder below is opened from its
// parent's handle, one name at a time, refusing a link, so that a link put in the place of a
// source removes nothing where it leads.
#pragma once

#include "zipnorva/ZpDescriptor.h"

#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

class ZpSourceRemover {
public:
    // root: the root folder's Linux path; rootDevice and rootInode: the folder packed there.
    // failed is told the Linux path of each file or folder that cannot be removed, the others
    // still removed; or the root's alone when it is no longer that folder, and nothing is removed.
    ZpSourceRemover(const std::string& root, dev_t rootDevice, ino_t rootInode,
                    std::function<void(const std::string& path)> failed);
    ZpSourceRemover(const ZpSourceRemover&) = delete;
    ZpSourceRemover& operator=(const ZpSourceRemover&) = delete;

    void Remove(const std::string& path, bool isFolder);
    // Removes the folders still held.
    void Finish() { RemoveFoldersNotHolding(std::string()); }
    bool Failed() const { return failed_; }

private:
    // A folder open on the current path.
    struct OpenFolder {
        std::string path; // relative to the root ("" for the root itself)
        ZpDescriptor handle;
    };

    void RemoveFoldersNotHolding(const std::string& path);
    int FolderHandle(const std::string& folder);
    void Unlink(const std::string& path, int flags);

    std::string rootPrefix_; // the root's Linux path with a final "/"
    std::function<void(const std::string&)> report_;
    std::vector<std::string> folders_; // those that the last path given lies in, outermost first
    std::vector<OpenFolder> open_;     // the root, then each folder below it on the current path
    bool failed_ = false;
};
