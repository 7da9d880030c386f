#include "model/ZnModelConstKindFlags.h"

#include <cstring>

namespace ZnModelConstKindFlags {

namespace {
const char* const codeTexts[count] = {"01601", "01602", "01603", "01604", "01605", "01606", "01607"};
} // namespace

void SetByCode(int (&flags)[count], LPCTSTR code)
{
    if (!code)
        return;
    for (int i = 0; i < count; ++i) {
        if (std::strcmp(code, codeTexts[i]) == 0) {
            flags[i] = 1;
            return;
        }
    }
}

void GetCodes(const int (&flags)[count], CStringList& codes)
{
    codes.RemoveAll();
    for (int i = 0; i < count; ++i)
        if (flags[i])
            codes.AddTail(codeTexts[i]);
}

} // namespace ZnModelConstKindFlags
