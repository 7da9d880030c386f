// Mapping of the system's Windows paths ("\" separators, CP932 names) to Linux paths (UTF-8).
#pragma once

#include "platform/WinError.h"

#include <string>

// The Linux path for a Windows path: every single-byte "\" becomes "/" (a trail byte 0x5C of a
// double-byte character is never taken for a separator), and the CP932 names become UTF-8.
std::string WinPathToLinux(LPCTSTR windowsPath);

// The Windows form of a Linux path: UTF-8 names to CP932, "/" to "\".
std::string LinuxPathToWin(const std::string& linuxPath);
