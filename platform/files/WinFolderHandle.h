// A folder held open by a handle. While it is held, every path below the Windows path that it was
// opened at is reached through the handle (WinPathToLinux): whatever becomes of the folder's name
// meanwhile (renamed, or replaced by a link to a folder elsewhere), what is made, written and
// removed there stays in the folder that was opened.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

class WinFolderHandle {
public:
    WinFolderHandle() = default;
    ~WinFolderHandle();
    WinFolderHandle(const WinFolderHandle&) = delete;
    WinFolderHandle& operator=(const WinFolderHandle&) = delete;

    // Holds the folder at a Windows path, resolved as the path is (a link that the user named is
    // followed). FALSE with the Win32 error in GetLastError when it cannot be opened.
    BOOL Open(LPCTSTR windowsPath);
    // Makes the folder name (one name) in parent and holds it, never through a link. FALSE with
    // ERROR_ALREADY_EXISTS when anything holds the name, else with the Win32 error of the failure.
    BOOL Create(const WinFolderHandle& parent, const CString& name);
    // Whether anything holds name in the folder, ignoring the case of ASCII letters as Windows does.
    BOOL Holds(const CString& name) const;
    // Deletes every file of the folder, each by its own name in the folder (a link itself, never
    // what it points at). A sub-folder is no file: it stops the deletion with ERROR_ACCESS_DENIED,
    // as DeleteFile gives for a folder, and what was deleted before stays deleted.
    BOOL DeleteFiles() const;
    // Removes the empty folder name in this folder; a file or a link of that name is not removed.
    BOOL RemoveFolder(const CString& name) const;
    BOOL IsOpen() const { return m_fd >= 0 ? TRUE : FALSE; }
    void Close();

    // The Windows path that the folder was opened at: paths below it go through the handle.
    const CString& GetPath() const { return m_path; }
    // A Windows path that reaches the folder through the handle from a module that keeps its own
    // mapping of paths (the zip library), while the folder is held.
    CString GetHandlePath() const;

private:
    BOOL Hold(int fd, const CString& path);

    int m_fd = -1;
    CString m_path;
};
