#include "platform/files/WinFolderHandle.h"

#include "platform/core/Cp932.h"
#include "platform/core/WinError.h"
#include "platform/files/WinHeldFolders.h"
#include "platform/files/WinPath.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

BOOL Failed()
{
    SetLastError(Win32ErrorFromErrno(errno));
    return FALSE;
}

std::string LinuxName(const CString& name) { return cp932::ToUtf8(name.Bytes()); }

} // namespace

WinFolderHandle::~WinFolderHandle() { Close(); }

void WinFolderHandle::Close()
{
    if (m_fd < 0)
        return;
    heldfolders::Remove(m_fd);
    close(m_fd);
    m_fd = -1;
    m_path.Empty();
}

BOOL WinFolderHandle::Hold(int fd, const CString& path)
{
    if (fd < 0)
        return Failed();
    Close();
    m_fd = fd;
    m_path = path;
    heldfolders::Add(fd, SplitWinPath(path));
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WinFolderHandle::Open(LPCTSTR windowsPath)
{
    std::string path = WinPathToLinux(windowsPath);
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return Hold(open(path.c_str(), kFolderFlags), windowsPath);
}

BOOL WinFolderHandle::Create(const WinFolderHandle& parent, const CString& name)
{
    std::string linuxName = LinuxName(name);
    if (mkdirat(parent.m_fd, linuxName.c_str(), 0777) != 0)
        return Failed();
    // Made just now: only a racer in the parent could have put anything else under the name
    // since, and a link is not followed.
    CString separator = EndsWithBackslash(parent.m_path) ? "" : "\\";
    return Hold(openat(parent.m_fd, linuxName.c_str(), kFolderFlags | O_NOFOLLOW), parent.m_path + separator + name);
}

BOOL WinFolderHandle::Holds(const CString& name) const
{
    return FindNameIgnoringCase(heldfolders::LinuxPathOf(m_fd), LinuxName(name)).empty() ? FALSE : TRUE;
}

BOOL WinFolderHandle::DeleteFiles() const
{
    int copy = dup(m_fd); // the listing closes its own descriptor
    DIR* dir = copy >= 0 ? fdopendir(copy) : nullptr;
    if (!dir) {
        int error = errno;
        if (copy >= 0)
            close(copy);
        errno = error;
        return Failed();
    }
    rewinddir(dir); // the copy shares the handle's place in the listing
    bool deleted = true;
    while (const dirent* entry = deleted ? readdir(dir) : nullptr) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0)
            continue;
        deleted = unlinkat(m_fd, entry->d_name, 0) == 0;
    }
    int error = errno;
    closedir(dir);
    errno = error;
    if (!deleted)
        return Failed();
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WinFolderHandle::RemoveFolder(const CString& name) const
{
    if (unlinkat(m_fd, LinuxName(name).c_str(), AT_REMOVEDIR) != 0)
        return Failed();
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

CString WinFolderHandle::GetHandlePath() const { return LinuxPathToWin(heldfolders::LinuxPathOf(m_fd)).c_str(); }
