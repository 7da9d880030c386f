#include "fdimport/ZnFloppyTextLine.h"

CString ZnFloppyTextLine::GetField(int n, const CString& line)
{
    // A comma is never the trail byte of a double-byte character, so the bytes are split as
    // they stand.
    int start = 0;
    int comma = line.Find(',');
    if (comma < 0 || n < 0)
        return CString();
    for (int i = 0; i < n; ++i) {
        if (comma < 0)
            return CString();
        start = comma + 1;
        comma = line.Find(',', start);
    }
    CString field = comma < 0 ? line.Mid(start) : line.Mid(start, comma - start);
    if (n == 0)
        return field;
    return field.GetLength() < 2 ? CString() : field.Mid(1, field.GetLength() - 2);
}
