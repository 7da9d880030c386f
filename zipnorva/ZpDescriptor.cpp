#include "zipnorva/ZpDescriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

ZpDescriptor& ZpDescriptor::operator=(ZpDescriptor&& other) noexcept
{
    if (this != &other)
        Reset(other.Release());
    return *this;
}

ZpDescriptor ZpDescriptor::OpenLastNotFollowed(const std::string& path, int flags)
{
    int fd = open(path.c_str(), flags | O_NOFOLLOW);
    // A link refused gives ELOOP, or ENOTDIR where a folder was asked for.
    if (fd < 0 && (errno == ELOOP || errno == ENOTDIR)) {
        std::string folder, name;
        SplitLastName(path, folder, name);
        struct statfs info;
        if (statfs(folder.c_str(), &info) == 0 && info.f_type == PROC_SUPER_MAGIC)
            fd = open(path.c_str(), flags);
    }
    return ZpDescriptor(fd);
}

int ZpDescriptor::Release()
{
    int fd = fd_;
    fd_ = -1;
    return fd;
}

void ZpDescriptor::Reset(int fd)
{
    if (fd_ >= 0)
        close(fd_);
    fd_ = fd;
}

void SplitLastName(const std::string& path, std::string& folder, std::string& name)
{
    size_t end = path.find_last_not_of('/');
    if (end == std::string::npos) {
        folder = path.empty() ? "." : "/";
        name = ".";
        return;
    }
    size_t slash = path.rfind('/', end);
    folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    name = path.substr(slash + 1, end - slash); // npos + 1 is 0
}
