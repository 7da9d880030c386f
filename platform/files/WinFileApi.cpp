#include "platform/files/WinFileApi.h"

#include "platform/core/WinError.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

BOOL Succeeded(bool done)
{
    SetLastError(done ? ERROR_SUCCESS : Win32ErrorFromErrno(errno));
    return done ? TRUE : FALSE;
}

BOOL Failed(DWORD error)
{
    SetLastError(error);
    return FALSE;
}

// An open descriptor, closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes it; false with errno set when the close reports an error of a write.
    bool Close()
    {
        int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

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

// The folder part of a Linux path, "." for a bare name.
std::string FolderOf(const std::string& linuxPath)
{
    size_t slash = linuxPath.find_last_of('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : linuxPath.substr(0, slash));
}

// Writes the bytes of source into a new temporary file in folder, with mode; its name in
// temporaryPath. False with errno set when it cannot be made or written whole; nothing is left then.
bool WriteTemporaryCopy(int source, const std::string& folder, mode_t mode, std::string& temporaryPath)
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

// The temporary folder: $TMPDIR, else /tmp.
std::string TempFolderBase()
{
    const char* base = std::getenv("TMPDIR");
    return base && *base ? base : "/tmp";
}

// Whether two Linux paths name one file or folder.
bool IsSameEntry(const std::string& a, const std::string& b)
{
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

} // namespace

BOOL IsSameFile(LPCTSTR firstPath, LPCTSTR secondPath)
{
    return IsSameEntry(WinPathToLinux(firstPath), WinPathToLinux(secondPath)) ? TRUE : FALSE;
}

BOOL CreateDirectory(LPCTSTR path, void*) { return Succeeded(::mkdir(WinPathToLinux(path).c_str(), 0777) == 0); }

BOOL RemoveDirectory(LPCTSTR path) { return Succeeded(::rmdir(WinPathToLinux(path).c_str()) == 0); }

BOOL DeleteFile(LPCTSTR path) { return Succeeded(::unlink(WinPathToLinux(path).c_str()) == 0); }

BOOL MoveFile(LPCTSTR existingPath, LPCTSTR newPath)
{
    if (::renameat2(AT_FDCWD, WinPathToLinux(existingPath).c_str(), AT_FDCWD, WinPathToLinux(newPath).c_str(),
                    RENAME_NOREPLACE) == 0)
        return Succeeded(true);
    return errno == EEXIST ? Failed(ERROR_ALREADY_EXISTS) : Succeeded(false);
}

BOOL CopyFile(LPCTSTR existingPath, LPCTSTR newPath, BOOL failIfExists)
{
    Descriptor source(::open(WinPathToLinux(existingPath).c_str(), O_RDONLY | O_CLOEXEC));
    struct stat sourceStat;
    if (source.Get() < 0 || ::fstat(source.Get(), &sourceStat) != 0)
        return Succeeded(false);
    std::string target = WinPathToLinux(newPath);
    struct stat targetStat;
    if (::stat(target.c_str(), &targetStat) == 0 && targetStat.st_dev == sourceStat.st_dev &&
        targetStat.st_ino == sourceStat.st_ino)
        return failIfExists ? Failed(ERROR_FILE_EXISTS) : Succeeded(true); // never truncate the source
    std::string temporary;
    if (!WriteTemporaryCopy(source.Get(), FolderOf(target), sourceStat.st_mode, temporary))
        return errno == ENOENT ? Failed(ERROR_PATH_NOT_FOUND) : Succeeded(false);
    if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, target.c_str(), failIfExists ? RENAME_NOREPLACE : 0) == 0)
        return Succeeded(true);
    int error = errno;
    ::unlink(temporary.c_str());
    return error == EEXIST ? Failed(ERROR_FILE_EXISTS) : Failed(Win32ErrorFromErrno(error));
}

BOOL CreateTempFolder(CString& folder)
{
    std::string pattern = TempFolderBase() + "/zn-XXXXXX";
    if (!Succeeded(::mkdtemp(&pattern[0]) != nullptr))
        return FALSE;
    // A folder whose Linux name a Windows path cannot hold (a name CP932 lacks) is no use.
    CString windowsPath(LinuxPathToWin(pattern) + "\\");
    if (!IsSameEntry(WinPathToLinux(windowsPath), pattern)) {
        ::rmdir(pattern.c_str());
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    folder = windowsPath;
    return TRUE;
}

FILE* CreateTempTextFile(CString& path)
{
    std::string pattern = TempFolderBase() + "/zn-XXXXXX";
    int fd = ::mkstemp(&pattern[0]);
    if (!Succeeded(fd >= 0))
        return nullptr;
    CString windowsPath(LinuxPathToWin(pattern));
    if (!IsSameEntry(WinPathToLinux(windowsPath), pattern)) {
        ::close(fd);
        ::unlink(pattern.c_str());
        Failed(ERROR_INVALID_NAME);
        return nullptr;
    }
    FILE* stream = WinFdopen(fd, "w");
    if (!stream) {
        DWORD error = Win32ErrorFromErrno(errno);
        ::unlink(pattern.c_str());
        Failed(error);
        return nullptr;
    }
    path = windowsPath;
    return stream;
}
