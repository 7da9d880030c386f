// The rules for one name of a file or folder as Windows can hold it, and as this system can hold
// it everywhere it goes.
#pragma once

#include "platform/core/CString.h"

// Whether a CP932 name can be one file or folder name on Windows: not empty, not "." or "..", no
// character below 0x20 (NUL included) and none of < > : " / \ | ? *, no "." or blank at its end,
// and not a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9), with or without an
// extension. A trail byte of a double-byte character (such as the 5C of 表) is part of its
// character, never taken for a character of its own.
bool IsWinFileName(const CString& name);

// Whether a CP932 name can name one file or folder alike on Windows, on this system's disks and
// in its databases, which hold names as UTF-8: a name that Windows can hold (IsWinFileName) whose
// every character is a CP932 character (cp932::IsCp932Text). A byte that is no character would
// name the folder with U+FFFD on disk while a database gives the name back with "?".
bool IsPortableFileName(const CString& name);
