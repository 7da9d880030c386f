#include "platform/files/WinFileApi.h"

#include "platform/core/WinError.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"
#include "platform/files/WinStdio.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
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

// FALSE for a file that could not be made in its folder, whose absence is ERROR_PATH_NOT_FOUND.
BOOL FailedToMakeFile() { return errno == ENOENT ? Failed(ERROR_PATH_NOT_FOUND) : Succeeded(false); }

// The result of a write through a temporary file: a name that anything holds is ERROR_FILE_EXISTS.
BOOL WroteThroughTemporary(bool written)
{
    if (written)
        return Succeeded(true);
    return errno == EEXIST ? Failed(ERROR_FILE_EXISTS) : FailedToMakeFile();
}

// Whether two Linux paths name one file or folder.
bool IsSameEntry(const std::string& a, const std::string& b)
{
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

// Renames a Linux path; what the new path names is replaced only with replace. False with errno set.
bool RenameEntry(const std::string& from, const std::string& to, bool replace)
{
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), replace ? 0 : RENAME_NOREPLACE) == 0;
}

} // namespace

BOOL IsSameFile(LPCTSTR firstPath, LPCTSTR secondPath)
{
    return IsSameEntry(WinPathToLinux(firstPath), WinPathToLinux(secondPath)) ? TRUE : FALSE;
}

BOOL CreateDirectory(LPCTSTR path, void*) { return Succeeded(::mkdir(WinPathToLinux(path).c_str(), 0777) == 0); }

BOOL RemoveDirectory(LPCTSTR path) { return Succeeded(::rmdir(WinPathToLinux(path).c_str()) == 0); }

BOOL DeleteFile(LPCTSTR path) { return Succeeded(::unlink(WinPathToLinux(path).c_str()) == 0); }

BOOL MoveFile(LPCTSTR existingPath, LPCTSTR newPath) { return MoveFileEx(existingPath, newPath, 0); }

BOOL MoveFileEx(LPCTSTR existingPath, LPCTSTR newPath, DWORD flags)
{
    if (RenameEntry(WinPathToLinux(existingPath), WinPathToLinux(newPath), flags & MOVEFILE_REPLACE_EXISTING))
        return Succeeded(true);
    return errno == EEXIST ? Failed(ERROR_ALREADY_EXISTS) : Succeeded(false);
}

UINT GetTempFileName(LPCTSTR folder, LPCTSTR prefix, UINT, LPTSTR tempFileName)
{
    if (std::strlen(folder) > MAX_PATH - 14)
        return Failed(ERROR_BUFFER_OVERFLOW);
    // The numbers are tried in turn from one that differs between runs, as Windows does.
    static std::atomic<UINT> next(static_cast<UINT>(std::time(nullptr)));
    CString start = EndsWithBackslash(folder) ? CString(folder) : CString(folder) + "\\";
    start += CString(prefix).Left(3);
    for (UINT tries = 0; tries < 0x10000; ++tries) {
        UINT number = next++ & 0xFFFF;
        if (number == 0)
            continue;
        CString path;
        path.Format("%s%X.TMP", static_cast<LPCTSTR>(start), number);
        int fd = ::open(WinPathToLinux(path).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            std::memcpy(tempFileName, static_cast<LPCTSTR>(path), path.GetLength() + 1);
            return number;
        }
        if (errno != EEXIST)
            return FailedToMakeFile();
    }
    return Failed(ERROR_FILE_EXISTS);
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
    auto copy = [&](int fd) { return ::fchmod(fd, sourceStat.st_mode & 0777) == 0 && CopyBytes(source.Get(), fd); };
    return WroteThroughTemporary(WriteThroughTemporary(target, 0600, !failIfExists, copy));
}

BOOL WriteWholeFile(LPCTSTR path, const void* data, size_t size)
{
    auto write = [&](int fd) { return WriteAll(fd, static_cast<const char*>(data), size); };
    return WroteThroughTemporary(WriteThroughTemporary(WinPathToLinux(path), 0666, true, write));
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
