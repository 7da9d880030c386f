#include "platform/files/WinFolderLock.h"

#include "platform/files/WinPath.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

WinFolderLock::~WinFolderLock()
{
    if (m_fd >= 0)
        close(m_fd); // lets the lock go
}

WinFolderLock::Result WinFolderLock::Lock(LPCTSTR windowsFolder)
{
    int fd = open(WinPathToLinux(windowsFolder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return notOpened;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        bool busy = errno == EWOULDBLOCK;
        close(fd);
        return busy ? heldElsewhere : notOpened;
    }
    if (m_fd >= 0)
        close(m_fd);
    m_fd = fd;
    return locked;
}
