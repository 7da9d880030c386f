#include "platform/files/WinFileApi.h"

#include "platform/core/WinError.h"
#include "platform/files/WinPath.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

BOOL Succeeded(bool done)
{
    SetLastError(done ? ERROR_SUCCESS : Win32ErrorFromErrno(errno));
    return done ? TRUE : FALSE;
}

} // namespace

BOOL CreateDirectory(LPCTSTR path, void*) { return Succeeded(::mkdir(WinPathToLinux(path).c_str(), 0777) == 0); }

BOOL RemoveDirectory(LPCTSTR path) { return Succeeded(::rmdir(WinPathToLinux(path).c_str()) == 0); }

BOOL DeleteFile(LPCTSTR path) { return Succeeded(::unlink(WinPathToLinux(path).c_str()) == 0); }
