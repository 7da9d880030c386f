#include "model/ZnModelConstKindFlags.h"

#include <cstring>

namespace ZnModelConstKindFlags {

namespace {
const char* const codeTexts[count] = {"01601", "01602", "01603", "01604", "01605", "01606", "01607"};
const char* const structureCodeTexts[structureKindCount] = {"01601", "01602", "01603", "01699"};

// The index of the first text equal to code, or -1.
template <int N> int IndexOf(const char* const (&texts)[N], LPCTSTR code)
{
    if (code)
        for (int i = 0; i < N; ++i)
            if (std::strcmp(code, texts[i]) == 0)
                return i;
    return -1;
}
} // namespace

void SetByCode(int (&flags)[count], LPCTSTR code)
{
    int kind = IndexOf(codeTexts, code);
    if (kind >= 0)
        flags[kind] = 1;
}

void GetCodes(const int (&flags)[count], CStringList& codes)
{
    codes.RemoveAll();
    for (int i = 0; i < count; ++i)
        if (flags[i])
            codes.AddTail(codeTexts[i]);
}

int StructureKindIndex(LPCTSTR code) { return IndexOf(structureCodeTexts, code); }

} // namespace ZnModelConstKindFlags
