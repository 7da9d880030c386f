// The Win32 calls on files and folders that the system makes, by Windows path. Each returns TRUE
// on success, else FALSE with the Win32 error code in GetLastError.
#pragma once

#include "platform/core/WinTypes.h"

// Creates one folder; its parent must exist. The security argument is not used.
BOOL CreateDirectory(LPCTSTR path, void* securityAttributes);
// Removes a folder; only an empty one can be removed (ERROR_DIR_NOT_EMPTY otherwise).
BOOL RemoveDirectory(LPCTSTR path);
// Deletes a file; a folder is not a file (ERROR_ACCESS_DENIED, as on Windows).
BOOL DeleteFile(LPCTSTR path);
