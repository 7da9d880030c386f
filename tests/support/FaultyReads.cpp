#include "tests/support/FaultyReads.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

struct Planted {
    faultyreads::Fault fault = faultyreads::Fault::none;
    std::string path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t failAt = 0;
} g_planted;

bool IsPlanted(int fd)
{
    struct stat info;
    return g_planted.fault != faultyreads::Fault::none && ::fstat(fd, &info) == 0 && info.st_dev == g_planted.device &&
           info.st_ino == g_planted.inode;
}

ssize_t RealRead(int fd, void* buffer, size_t count) { return ::syscall(SYS_read, fd, buffer, count); }

struct FullFolder {
    std::string path;
    int filesWithRoom = 0;
    std::set<std::pair<dev_t, ino_t>> written;
} g_full;

// The folder of the file that a descriptor has open, "" when it has no path.
std::string FolderOfDescriptor(int fd)
{
    char target[PATH_MAX];
    ssize_t n = ::readlink(("/proc/self/fd/" + std::to_string(fd)).c_str(), target, sizeof target);
    std::string path(target, n > 0 ? static_cast<size_t>(n) : 0);
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Whether a write to fd finds the full folder without room: a file there that is not among the
// first filesWithRoom written.
bool FindsNoRoom(int fd)
{
    struct stat info;
    if (g_full.path.empty() || FolderOfDescriptor(fd) != g_full.path || ::fstat(fd, &info) != 0)
        return false;
    std::pair<dev_t, ino_t> file(info.st_dev, info.st_ino);
    if (g_full.written.count(file) || static_cast<int>(g_full.written.size()) < g_full.filesWithRoom) {
        g_full.written.insert(file);
        return false;
    }
    return true;
}

// Adds count bytes to the planted file's end, through a descriptor of its own.
void Grow(size_t count)
{
    char filler[4096];
    std::memset(filler, 'x', sizeof filler);
    int fd = ::open(g_planted.path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    for (size_t left = count; fd >= 0 && left > 0;) {
        ssize_t n = ::write(fd, filler, std::min(left, sizeof filler));
        if (n <= 0)
            break;
        left -= static_cast<size_t>(n);
    }
    if (fd >= 0)
        ::close(fd);
}

} // namespace

void faultyreads::Plant(const std::string& linuxPath, Fault fault)
{
    struct stat info;
    g_planted = Planted();
    if (fault != Fault::none && ::stat(linuxPath.c_str(), &info) == 0)
        g_planted = {fault, linuxPath, info.st_dev, info.st_ino, info.st_size - 1};
}

extern "C" ssize_t read(int fd, void* buffer, size_t count)
{
    if (!IsPlanted(fd))
        return RealRead(fd, buffer, count);
    if (g_planted.fault == faultyreads::Fault::grows) {
        Grow(count);
        return RealRead(fd, buffer, count);
    }
    off_t position = ::lseek(fd, 0, SEEK_CUR);
    if (position < 0 || position >= g_planted.failAt) {
        errno = EIO;
        return -1;
    }
    return RealRead(fd, buffer, std::min(count, static_cast<size_t>(g_planted.failAt - position)));
}

void faultywrites::Plant(const std::string& folderLinuxPath, int filesWithRoom)
{
    g_full = FullFolder();
    if (!folderLinuxPath.empty())
        g_full = {std::filesystem::weakly_canonical(folderLinuxPath).string(), filesWithRoom, {}};
}

extern "C" ssize_t write(int fd, const void* buffer, size_t count)
{
    if (FindsNoRoom(fd)) {
        errno = ENOSPC;
        return -1;
    }
    return ::syscall(SYS_write, fd, buffer, count);
}
