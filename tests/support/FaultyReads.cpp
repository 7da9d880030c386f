#include "tests/support/FaultyReads.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
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
