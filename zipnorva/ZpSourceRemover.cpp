#include "zipnorva/ZpSourceRemover.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

bool LiesIn(const std::string& path, const std::string& folder)
{
    return folder.empty() ||
           (path.size() > folder.size() && path[folder.size()] == '/' && path.compare(0, folder.size(), folder) == 0);
}

} // namespace

ZpSourceRemover::ZpSourceRemover(const std::string& root, dev_t rootDevice, ino_t rootInode,
                                 std::function<void(const std::string& path)> failed)
    : rootPrefix_(root == "/" ? root : root + "/"), report_(std::move(failed))
{
    ZpDescriptor handle = ZpDescriptor::OpenLastNotFollowed(root, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat info;
    if (handle.IsOpen() && fstat(handle.Get(), &info) == 0 && info.st_dev == rootDevice && info.st_ino == rootInode) {
        open_.push_back({std::string(), std::move(handle)});
        return;
    }
    failed_ = true;
    report_(root);
}

void ZpSourceRemover::Remove(const std::string& path, bool isFolder)
{
    if (open_.empty()) // not the root folder packed
        return;
    RemoveFoldersNotHolding(path);
    if (isFolder)
        folders_.push_back(path);
    else
        Unlink(path, 0);
}

void ZpSourceRemover::RemoveFoldersNotHolding(const std::string& path)
{
    while (!folders_.empty() && !LiesIn(path, folders_.back())) {
        Unlink(folders_.back(), AT_REMOVEDIR);
        folders_.pop_back();
    }
}

// The handle of a folder relative to the root: the folders held that do not lead to it are
// closed, and the rest of the way opened one name at a time, none of them a link. -1 when a name
// on the way cannot be opened so.
int ZpSourceRemover::FolderHandle(const std::string& folder)
{
    while (open_.back().path != folder && !LiesIn(folder, open_.back().path))
        open_.pop_back();
    while (open_.back().path != folder) {
        const std::string& parent = open_.back().path;
        size_t start = parent.empty() ? 0 : parent.size() + 1;
        size_t end = folder.find('/', start);
        std::string path = folder.substr(0, end);
        int fd = openat(open_.back().handle.Get(), folder.substr(start, end - start).c_str(),
                        O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            return -1;
        open_.push_back({path, ZpDescriptor(fd)});
    }
    return open_.back().handle.Get();
}

void ZpSourceRemover::Unlink(const std::string& path, int flags)
{
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    const char* name = path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
    if (unlinkat(FolderHandle(folder), name, flags) != 0) {
        failed_ = true;
        report_(rootPrefix_ + path);
    }
}
