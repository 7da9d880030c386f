#include "storage/ZnPlacementText.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

namespace {

const int kFieldCount = 10;

// The ten fields in text order; flags and show command are unsigned in the record but written signed.
void ToFields(const WINDOWPLACEMENT& p, LONG fields[kFieldCount])
{
    const LONG values[kFieldCount] = {static_cast<LONG>(p.flags), static_cast<LONG>(p.showCmd),
                                      p.ptMinPosition.x,          p.ptMinPosition.y,
                                      p.ptMaxPosition.x,          p.ptMaxPosition.y,
                                      p.rcNormalPosition.left,    p.rcNormalPosition.top,
                                      p.rcNormalPosition.right,   p.rcNormalPosition.bottom};
    std::copy(values, values + kFieldCount, fields);
}

WINDOWPLACEMENT FromFields(const LONG f[kFieldCount])
{
    WINDOWPLACEMENT p = {};
    p.length = sizeof(WINDOWPLACEMENT);
    p.flags = static_cast<UINT>(f[0]);
    p.showCmd = static_cast<UINT>(f[1]);
    p.ptMinPosition = {f[2], f[3]};
    p.ptMaxPosition = {f[4], f[5]};
    p.rcNormalPosition = {f[6], f[7], f[8], f[9]};
    return p;
}

} // namespace

CString FormatPlacementText(const WINDOWPLACEMENT& placement, char separator)
{
    LONG fields[kFieldCount];
    ToFields(placement, fields);
    CString text;
    for (int i = 0; i < kFieldCount; ++i) {
        if (i > 0)
            text += separator;
        CString field;
        field.Format("%i", static_cast<int>(fields[i]));
        text += field;
    }
    return text;
}

WINDOWPLACEMENT ParsePlacementText(LPCTSTR text, char separator)
{
    LONG fields[kFieldCount] = {};
    const char* p = text;
    for (int i = 0; p && i < kFieldCount; ++i) {
        if (i > 0 && *p++ != separator)
            break;
        char* end = nullptr;
        errno = 0;
        long number = std::strtol(p, &end, 0);
        if (end == p || errno == ERANGE || number < INT32_MIN || number > INT32_MAX)
            break;
        fields[i] = static_cast<LONG>(number);
        p = end;
    }
    return FromFields(fields);
}
