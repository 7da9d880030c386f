#include "zipnorva/ZpSourceRemover.h"

#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace {

bool LiesIn(const std::string& path, const std::string& folder)
{
    return path.size() > folder.size() && path[folder.size()] == '/' && path.compare(0, folder.size(), folder) == 0;
}

} // namespace

ZpSourceRemover::ZpSourceRemover(const std::string& rootPrefix, std::function<void(const std::string& path)> failed)
    : rootPrefix_(rootPrefix), report_(std::move(failed))
{
}

ZpSourceRemover::~ZpSourceRemover()
{
    if (folder_ >= 0)
        close(folder_);
}

void ZpSourceRemover::Remove(const std::string& path, bool isFolder)
{
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

void ZpSourceRemover::Unlink(const std::string& path, int flags)
{
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash);
    if (folder_ < 0 || folder != openFolder_) {
        if (folder_ >= 0)
            close(folder_);
        folder_ = open((rootPrefix_ + folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        openFolder_ = folder;
    }
    const char* name = path.c_str() + (slash == std::string::npos ? 0 : slash + 1);
    if (unlinkat(folder_, name, flags) != 0) {
        failed_ = true;
        report_(rootPrefix_ + path);
    }
}
