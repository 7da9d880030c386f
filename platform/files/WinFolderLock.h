// An exclusive lock on a folder between processes, such as two copies of the program exporting
// into one destination. The lock is held until the object goes, and the system lets it go when the
// program ends, however it ends.
#pragma once

#include "platform/core/WinTypes.h"

class WinFolderLock {
public:
    enum Result { locked, heldElsewhere, notOpened };

    WinFolderLock() = default;
    ~WinFolderLock();
    WinFolderLock(const WinFolderLock&) = delete;
    WinFolderLock& operator=(const WinFolderLock&) = delete;

    // Locks the folder at a Windows path without waiting: locked, heldElsewhere when another
    // process holds it, notOpened when the folder cannot be opened (nothing is held then).
    Result Lock(LPCTSTR windowsFolder);

private:
    int m_fd = -1;
};
