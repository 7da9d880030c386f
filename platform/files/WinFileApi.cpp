#include "platform/files/WinFileApi.h"

#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

BOOL Succeeded(bool done)
{
    SetLastError(done ? ERROR_SUCCESS : Win32ErrorFromErrno(errno));
    return done ? TRUE : FALSE;
}

// Whether two Linux paths name one folder.
bool IsSameFolder(const std::string& a, const std::string& b)
{
    struct stat first, second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

} // namespace

BOOL CreateDirectory(LPCTSTR path, void*) { return Succeeded(::mkdir(WinPathToLinux(path).c_str(), 0777) == 0); }

BOOL RemoveDirectory(LPCTSTR path) { return Succeeded(::rmdir(WinPathToLinux(path).c_str()) == 0); }

BOOL DeleteFile(LPCTSTR path) { return Succeeded(::unlink(WinPathToLinux(path).c_str()) == 0); }

BOOL CreateTempFolder(CString& folder)
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/zn-XXXXXX";
    if (!Succeeded(::mkdtemp(&pattern[0]) != nullptr))
        return FALSE;
    // A folder whose Linux name a Windows path cannot hold (a name CP932 lacks) is no use.
    CString windowsPath(LinuxPathToWin(pattern) + "\\");
    if (!IsSameFolder(WinPathToLinux(windowsPath), pattern)) {
        ::rmdir(pattern.c_str());
        SetLastError(ERROR_INVALID_NAME);
        return FALSE;
    }
    folder = windowsPath;
    return TRUE;
}
