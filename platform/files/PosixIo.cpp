#include "platform/files/PosixIo.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/random.h>
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

std::string FolderOf(const std::string& linuxPath)
{
    size_t slash = linuxPath.find_last_of('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : linuxPath.substr(0, slash));
}

namespace {

// A name of ".~" and twelve random letters and digits, as nobody can foresee it.
bool RandomTemporaryName(std::string& name)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    unsigned char bytes[12];
    if (::getrandom(bytes, sizeof bytes, 0) != ssize_t(sizeof bytes))
        return false;
    name = ".~";
    for (unsigned char byte : bytes)
        name += letters[byte % (sizeof letters - 1)];
    return true;
}

// Makes a new file of a random name in the folder open as folder, never through a link; its
// descriptor and name, or -1 with errno set.
int MakeTemporaryIn(int folder, unsigned mode, std::string& name)
{
    for (int tries = 0; tries < 100; ++tries) {
        if (!RandomTemporaryName(name))
            return -1;
        int fd = ::openat(folder, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The name part of a Linux path.
std::string NameOf(const std::string& linuxPath) { return linuxPath.substr(linuxPath.find_last_of('/') + 1); }

} // namespace

bool WriteThroughTemporary(const std::string& linuxPath, unsigned mode, bool replace,
                           const std::function<bool(int fd)>& fill)
{
    // Held by O_PATH, not opened for reading: a folder that may be written but not listed is
    // written into as well.
    Descriptor folder(::open(FolderOf(linuxPath).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    std::string temporary;
    Descriptor file(folder.Get() < 0 ? -1 : MakeTemporaryIn(folder.Get(), mode, temporary));
    if (file.Get() < 0)
        return false;
    if (fill(file.Get()) && file.Close() &&
        ::renameat2(folder.Get(), temporary.c_str(), folder.Get(), NameOf(linuxPath).c_str(),
                    replace ? 0 : RENAME_NOREPLACE) == 0)
        return true;
    int error = errno;
    ::unlinkat(folder.Get(), temporary.c_str(), 0);
    errno = error;
    return false;
}

bool ReplaceWithCopy(const std::string& from, const std::string& to)
{
    Descriptor source(OpenRegularFile(from, O_RDONLY | O_CLOEXEC));
    return source.Get() >= 0 &&
           WriteThroughTemporary(to, 0600, true, [&](int fd) { return CopyBytes(source.Get(), fd); });
}
