#include "platform/files/PosixIo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

Descriptor::~Descriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Descriptor::Close()
{
    int fd = m_fd;
    m_fd = -1;
    return ::close(fd) == 0;
}

namespace {

// What keeps a name that is no regular file from being opened: 0 for a regular file.
int RefusalOf(const struct stat& info)
{
    if (S_ISREG(info.st_mode))
        return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : EOPNOTSUPP;
}

} // namespace

int OpenRegularFile(const std::string& linuxPath, int flags, unsigned mode)
{
    // O_NONBLOCK lets a FIFO open at once, to be looked at and refused; it is taken off again.
    int fd = ::open(linuxPath.c_str(), flags | O_NONBLOCK | O_NOCTTY, mode);
    struct stat info;
    if (fd < 0) {
        // A FIFO opened for writing with no reader, or a socket, fails before it can be looked at.
        int error = errno;
        errno = ::stat(linuxPath.c_str(), &info) == 0 && RefusalOf(info) == EOPNOTSUPP ? EOPNOTSUPP : error;
        return -1;
    }
    int refusal = ::fstat(fd, &info) != 0 ? errno : RefusalOf(info);
    if (refusal == 0 && !(flags & O_NONBLOCK) && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0)
        refusal = errno;
    if (refusal == 0)
        return fd;
    ::close(fd);
    errno = refusal;
    return -1;
}

bool WriteAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool ReadWholeFile(const std::string& linuxPath, std::string& bytes)
{
    bytes.clear();
    int fd = OpenRegularFile(linuxPath, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[8192];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) != 0) {
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int error = errno;
            ::close(fd);
            errno = error;
            return false;
        }
        bytes.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

namespace {

// Copies every byte of source to target; false with errno set on failure.
bool CopyBytes(int source, int target)
{
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(source, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0;
        if (!WriteAll(target, buffer, static_cast<size_t>(n)))
            return false;
    }
}

} // namespace

std::string TempFolderBase()
{
    const char* base = std::getenv("TMPDIR");
    return base && *base ? base : "/tmp";
}

std::string MakeTempFile(const std::string& prefix)
{
    std::string name = TempFolderBase() + "/" + prefix + "XXXXXX";
    int fd = ::mkstemp(&name[0]);
    if (fd < 0)
        return std::string();
    ::close(fd);
    return name;
}

bool WriteTemporaryCopy(int source, const std::string& folder, unsigned mode, std::string& temporaryPath)
{
    std::string pattern = folder + "/.~copy.XXXXXX";
    Descriptor target(::mkstemp(&pattern[0]));
    if (target.Get() < 0)
        return false;
    temporaryPath = pattern;
    if (::fchmod(target.Get(), mode & 0777) == 0 && CopyBytes(source, target.Get()) && target.Close())
        return true;
    int error = errno;
    ::unlink(temporaryPath.c_str());
    errno = error;
    return false;
}

std::string FolderOf(const std::string& linuxPath)
{
    size_t slash = linuxPath.find_last_of('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : linuxPath.substr(0, slash));
}

bool ReplaceWithCopy(const std::string& from, const std::string& to)
{
    Descriptor source(OpenRegularFile(from, O_RDONLY | O_CLOEXEC));
    std::string temporary;
    if (source.Get() < 0 || !WriteTemporaryCopy(source.Get(), FolderOf(to), 0600, temporary))
        return false;
    if (std::rename(temporary.c_str(), to.c_str()) == 0)
        return true;
    int error = errno;
    ::unlink(temporary.c_str());
    errno = error;
    return false;
}
