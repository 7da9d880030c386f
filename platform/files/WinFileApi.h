// The Win32 calls on files and folders that the system makes, by Windows path. Each returns TRUE
// on success, else FALSE with the Win32 error code in GetLastError.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <cstdio>

// Creates one folder; its parent must exist. The security argument is not used.
BOOL CreateDirectory(LPCTSTR path, void* securityAttributes);
// Removes a folder; only an empty one can be removed (ERROR_DIR_NOT_EMPTY otherwise).
BOOL RemoveDirectory(LPCTSTR path);
// Deletes a file; a folder is not a file (ERROR_ACCESS_DENIED, as on Windows).
BOOL DeleteFile(LPCTSTR path);
// Renames a file or folder, also into another folder of the same file system. A newPath that
// anything holds is never replaced: that fails with ERROR_ALREADY_EXISTS, as on Windows.
BOOL MoveFile(LPCTSTR existingPath, LPCTSTR newPath);
// MoveFile; with MOVEFILE_REPLACE_EXISTING in flags a file at newPath is replaced in one step, so
// that newPath names either that file or the moved one, never neither.
#define MOVEFILE_REPLACE_EXISTING 0x00000001
BOOL MoveFileEx(LPCTSTR existingPath, LPCTSTR newPath, DWORD flags);
// Copies the file existingPath to newPath with the same permissions. With failIfExists, a newPath
// that anything holds fails with ERROR_FILE_EXISTS; without it a file there is replaced. A newPath
// that is existingPath's own file (the same file by any name) is never written: that fails with
// ERROR_FILE_EXISTS with failIfExists and counts as copied without. The copy is written under a
// temporary name beside newPath and given its name only when whole, so a copy that fails leaves
// nothing new under newPath and a file it would have replaced as it was.
BOOL CopyFile(LPCTSTR existingPath, LPCTSTR newPath, BOOL failIfExists);
// Writes size bytes of data into the file at path, with the permissions of any new file, as
// CopyFile writes its copy: through a temporary file beside path that takes its name only once
// whole, replacing a file there in one step, so that a write that fails leaves the file at path as
// it was and no temporary file. Its only limit on path's length is that of path itself.
BOOL WriteWholeFile(LPCTSTR path, const void* data, size_t size);
// Whether two paths name one existing file or folder, by whatever names (letter case, links, "."
// and ".."); FALSE when either does not exist.
BOOL IsSameFile(LPCTSTR firstPath, LPCTSTR secondPath);

// Makes a new empty file in folder, with the permissions of any new file, named by the first three
// bytes of prefix, a number in hexadecimal and ".TMP", the number chosen so that the name is new,
// and gives its Windows path in tempFileName, which holds MAX_PATH characters. Only unique 0 is
// known: the file is always made. The number, or 0 with the Win32 error code when no file can be
// made (ERROR_PATH_NOT_FOUND for a missing folder, ERROR_BUFFER_OVERFLOW for a folder path longer
// than MAX_PATH - 14). The caller removes it.
UINT GetTempFileName(LPCTSTR folder, LPCTSTR prefix, UINT unique, LPTSTR tempFileName);

// Makes a new folder, which only this user can enter, below the temporary folder ($TMPDIR, else
// /tmp), and gives its Windows path, ending in "\", in folder. It stands in for a unique name in
// the shared temporary folder (GetTempPath with tmpnam), where other programs' files lie. The
// caller removes the folder. FALSE with the Win32 error code when it cannot be made, or when
// its path has a name that CP932 cannot hold (ERROR_INVALID_NAME; nothing is left behind).
BOOL CreateTempFolder(CString& folder);

// Makes a new empty file, which only this user can read, with a unique name in the temporary
// folder ($TMPDIR, else /tmp), and opens it for writing in text mode (WinFdopen "w"): the name and
// the open are one step, where GetTempPath with tmpnam and an open of the name were two. Its
// Windows path in path. Null with the Win32 error code when it cannot be made (a missing folder,
// a file in its place), or when its path has a name that CP932 cannot hold (ERROR_INVALID_NAME);
// nothing is left behind then. The caller closes the stream and removes the file.
FILE* CreateTempTextFile(CString& path);
