// Removes the sources of a finished archive, given in the archive's order (a folder before what
// it holds) as Linux paths relative to the root folder: a file at once, a folder once the paths
// after it no longer lie in it, so that folders go deepest first, each after what it held. Only
// the folders on the current path are held, however many the archive lists. Each is removed by
// its name in its open folder; a folder that still holds something is kept.
#pragma once

#include <functional>
#include <string>
#include <vector>

class ZpSourceRemover {
public:
    // rootPrefix: the root folder's Linux path with a final "/". failed is told the Linux path of
    // each file or folder that cannot be removed; the others are still removed.
    ZpSourceRemover(const std::string& rootPrefix, std::function<void(const std::string& path)> failed);
    ~ZpSourceRemover();
    ZpSourceRemover(const ZpSourceRemover&) = delete;
    ZpSourceRemover& operator=(const ZpSourceRemover&) = delete;

    void Remove(const std::string& path, bool isFolder);
    // Removes the folders still held.
    void Finish() { RemoveFoldersNotHolding(std::string()); }
    bool Failed() const { return failed_; }

private:
    void RemoveFoldersNotHolding(const std::string& path);
    void Unlink(const std::string& path, int flags);

    std::string rootPrefix_;
    std::function<void(const std::string&)> report_;
    std::vector<std::string> folders_; // those that the last path given lies in, outermost first
    std::string openFolder_;           // relative to the root ("" for the root itself)
    int folder_ = -1;
    bool failed_ = false;
};
