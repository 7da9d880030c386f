#include "platform/core/WinFontFace.h"

namespace {
struct FaceStandIn {
    const char* windowsFace; // CP932
    const char* family;
};

// The full-width names as Japanese Windows spells them, and their ASCII forms.
const FaceStandIn standIns[] = {
    {"ＭＳ ゴシック", "IPAGothic"}, {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ 明朝", "IPAMincho"},
    {"ＭＳ Ｐ明朝", "IPAPMincho"},  {"MS Gothic", "IPAGothic"},        {"MS PGothic", "IPAPGothic"},
    {"MS Mincho", "IPAMincho"},     {"MS PMincho", "IPAPMincho"},
};
} // namespace

CString AfxLinuxFontFamily(const CString& windowsFace)
{
    for (const FaceStandIn& standIn : standIns)
        if (windowsFace == standIn.windowsFace)
            return CString(standIn.family);
    return windowsFace;
}
