// C streams opened as the Windows C runtime opens them. In text mode (the default, or "t") a "\n"
// written becomes CR LF, a CR LF read becomes "\n" (a lone CR stays as it is) and a Ctrl-Z (0x1A)
// read ends the file; "b" gives binary mode, bytes as they are. Positions (ftell, fseek) are byte
// offsets in the file.
#pragma once

#include "platform/core/WinTypes.h"

#include <cstdio>
#include <string>

// Opens a file named by a Windows path. mode is "r", "w" or "a", followed by any of "+", "t"
// and "b", as fopen takes it. Returns null with errno set (and the Win32 code in GetLastError)
// when the file cannot be opened or the mode is not one of these.
FILE* WinFopen(LPCTSTR windowsPath, LPCTSTR mode);

// A stream over an open descriptor, which the stream takes over (and closes, also on failure).
// mode as for WinFopen; "w" does not truncate here, "a" makes every write append.
FILE* WinFdopen(int fd, LPCTSTR mode);

// A stream in text mode that reads the bytes given, held in memory until it is closed: it reads as
// a file of those bytes opened with "rt" reads, and never fails. Null only when no stream can be made.
FILE* WinOpenTextBytes(std::string bytes);

// fprintf as the Windows C runtime formats: "%f" goes through WinFormat. Returns the number of
// bytes handed to the stream, or -1 when the stream fails.
int WinFprintf(FILE* stream, LPCTSTR format, ...) __attribute__((format(printf, 2, 3)));
