// The check that a file is a Windows bitmap the floppy output can take.
#pragma once

#include "platform/core/CString.h"

#include <string>

enum CheckBitmapResult { bitmapOk = 0, bitmapCannotOpen = 1, bitmapTooShort = 2, bitmapNotSupported = 3 };

// 0 when the file starts with the bitmap signature "BM", the rest of the 14-byte file header and
// a 40-byte information header whose size field is 12 or 40; 1 when it cannot be opened, 2 when
// it is shorter than the two headers (or cannot be read that far), 3 when the signature or the
// header size is wrong.
int CheckBitmapFile(CString path);
// The same check of a file's bytes held in memory: 0, 2 or 3.
int CheckBitmapBytes(const std::string& bytes);
