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
    Descriptor source(OpenRegularFile(WinPathToLinux(existingPath), O_RDONLY | O_CLOEXEC));
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
