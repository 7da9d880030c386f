// Mapping of the system's Windows paths ("\" separators, CP932 names) to Linux paths (UTF-8).
#pragma once

#include "platform/core/CString.h"
#include "platform/core/WinError.h"

#include <string>
#include <vector>

// The parts of a CP932 text between separators (any byte of `separators`), empty parts left
// out. A trail byte of a double-byte character is never taken for a separator; characters are
// counted as cp932::CharLength counts them, so a separator after a lead byte that it cannot
// follow (such as "/" after 81) is one.
std::vector<std::string> SplitCp932(const std::string& text, const char* separators);

// True when the last character of a CP932 path is "\" (the trail byte 0x5C of a double-byte
// character such as 表 or ソ is not).
bool EndsWithBackslash(LPCTSTR path);

// The Linux path for a Windows path. "\" and "/" both separate; the CP932 names become UTF-8;
// a drive letter becomes its folder from the drive-letter table (WinDrive.h), and a letter
// without a folder becomes a path below /dev/null that nothing can open or create (so the call
// fails with ERROR_PATH_NOT_FOUND, as for a missing drive). Each name that names an existing
// file or folder is looked up ignoring the case of ASCII letters, as Windows does; names past
// the first one that does not exist are kept as given.
// A path below a folder that the process holds (WinFolderHandle) goes through its handle.
std::string WinPathToLinux(LPCTSTR windowsPath);

// A Windows path as WinPathToLinux reads it: the Linux folder that its names start from (a drive's
// folder, "/", or empty for a relative path), its names in UTF-8, and whether a separator ends it.
struct WinPathNames {
    std::string root;
    std::vector<std::string> names;
    bool endsWithSeparator = false;
};
WinPathNames SplitWinPath(LPCTSTR windowsPath);

// The entry of a Linux folder whose UTF-8 name equals name ignoring the case of ASCII letters:
// name itself when it exists, else the first such entry in byte order; empty when there is none.
std::string FindNameIgnoringCase(const std::string& folder, const std::string& name);

// The Windows form of a Linux path: UTF-8 names to CP932, "/" to "\", and an absolute path that
// lies in a drive's folder starts with that drive letter ("C:\...").
std::string LinuxPathToWin(const std::string& linuxPath);
