// The line syntax that an application floppy's index file and an accepted floppy's information
// file share: field 0 a bare tag ("#000" on the header line), then fields enclosed in double
// quotes, all separated by commas, without any escape.
#pragma once

#include "platform/core/CString.h"

class ZnFloppyTextLine {
public:
    // Field n of line: field 0 as it stands, any other without its first and last byte (its
    // double quotes), so a field of fewer than two bytes is empty. A field past the end of the
    // line is empty, and a line without any comma has an empty field 0.
    static CString GetField(int n, const CString& line);
};
