// The rule for one name of a file or folder as Windows can hold it.
#pragma once

#include "platform/core/CString.h"

// Whether a CP932 name can be one file or folder name on Windows: not empty, not "." or "..", no
// character below 0x20 (NUL included) and none of < > : " / \ | ? *, no "." or blank at its end,
// and not a device name (CON, PRN, AUX, NUL, COM1 to COM9, LPT1 to LPT9), with or without an
// extension. A trail byte of a double-byte character (such as the 5C of 表) is part of its
// character, never taken for a character of its own.
bool IsWinFileName(const CString& name);
