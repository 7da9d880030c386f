#include "platform/core/WinError.h"

#include <cerrno>

namespace {

DWORD lastError = 0;

struct ErrnoMapping {
    int error;
    DWORD code;
};

// The one table from errno to Win32 error codes.
const ErrnoMapping kErrnoTable[] = {
    {0, ERROR_SUCCESS},
    {ENOENT, ERROR_FILE_NOT_FOUND},
    {ENOTDIR, ERROR_PATH_NOT_FOUND},
    {EMFILE, ERROR_TOO_MANY_OPEN_FILES},
    {ENFILE, ERROR_TOO_MANY_OPEN_FILES},
    {EACCES, ERROR_ACCESS_DENIED},
    {EPERM, ERROR_ACCESS_DENIED},
    {EROFS, ERROR_ACCESS_DENIED},
    {EISDIR, ERROR_ACCESS_DENIED},
    {EBADF, ERROR_INVALID_HANDLE},
    {ENOMEM, ERROR_NOT_ENOUGH_MEMORY},
    {EXDEV, ERROR_NOT_SAME_DEVICE},
    {ENXIO, ERROR_NOT_READY},
    {ENODEV, ERROR_NOT_READY},
    {ENOMEDIUM, ERROR_NOT_READY},
    {EBUSY, ERROR_SHARING_VIOLATION},
    {ETXTBSY, ERROR_SHARING_VIOLATION},
    {ENOLCK, ERROR_LOCK_VIOLATION},
    {ENOSPC, ERROR_DISK_FULL},
    {EDQUOT, ERROR_DISK_FULL},
    {EOPNOTSUPP, ERROR_NOT_SUPPORTED}, // a name that is no regular file, where a file is opened
    {EINVAL, ERROR_INVALID_NAME},
    {EILSEQ, ERROR_INVALID_NAME},
    {ENOTEMPTY, ERROR_DIR_NOT_EMPTY},
    {EEXIST, ERROR_ALREADY_EXISTS},
    {ENAMETOOLONG, ERROR_FILENAME_EXCED_RANGE},
    {EMEDIUMTYPE, ERROR_UNRECOGNIZED_MEDIA},
};

} // namespace

DWORD Win32ErrorFromErrno(int error)
{
    for (const ErrnoMapping& mapping : kErrnoTable)
        if (mapping.error == error)
            return mapping.code;
    return ERROR_IO_DEVICE;
}

DWORD GetLastError() { return lastError; }

void SetLastError(DWORD error) { lastError = error; }
