#include "fdimport/ZnFloppyLine.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

// The text between the enclosing bytes of a quoted field.
CString Unquoted(const CString& field)
{
    return field.GetLength() < 2 ? CString() : field.Mid(1, field.GetLength() - 2);
}

} // namespace

CString ZnFloppyLine::GetField(int n, const CString& line)
{
    if (n < 0)
        return CString();
    CString rest = line;
    for (int round = 0;; ++round) {
        int comma = rest.Find(',');
        if (round == n) {
            if (n == 0)
                return comma < 0 ? CString() : rest.Left(comma);
            return Unquoted(comma < 0 ? rest : rest.Left(comma));
        }
        if (comma < 0)
            return CString(); // the line ends before field n
        rest = rest.Mid(comma + 1);
    }
}

int ZnFloppyLine::Number(const CString& field)
{
    // strtoll holds what is beyond a long long at its bounds, without undefined behaviour.
    long long value = std::strtoll(field, nullptr, 10);
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}
