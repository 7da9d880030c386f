#include "tests/support/TestSupport.h"

#include "platform/core/WinFontFace.h"

namespace {

TEST(WinFontFace, TheJapaneseWindowsFontsMapToTheirIpaStandIns)
{
    EXPECT_EQ(CString("IPAGothic"), AfxLinuxFontFamily("ＭＳ ゴシック"));
    EXPECT_EQ(CString("IPAPGothic"), AfxLinuxFontFamily("ＭＳ Ｐゴシック"));
    EXPECT_EQ(CString("IPAMincho"), AfxLinuxFontFamily("ＭＳ 明朝"));
    EXPECT_EQ(CString("IPAPMincho"), AfxLinuxFontFamily("ＭＳ Ｐ明朝"));
    EXPECT_EQ(CString("IPAPGothic"), AfxLinuxFontFamily("MS PGothic"));
    // Another name is left for fontconfig to substitute.
    EXPECT_EQ(CString("ＭＳ ＵＩ ゴシック"), AfxLinuxFontFamily("ＭＳ ＵＩ ゴシック"));
    EXPECT_EQ(CString("Arial"), AfxLinuxFontFamily("Arial"));
}

} // namespace
