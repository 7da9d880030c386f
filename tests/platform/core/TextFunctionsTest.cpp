// The platform's text functions over the cases of tests/data/platform/text_functions.tsv.
#include "platform/core/WinFontFace.h"
#include "platform/database/JetDialect.h"
#include "platform/process/WinProcess.h"
#include "tests/support/TabbedCases.h"

#include <functional>
#include <map>

using Args = std::vector<CString>;

TEST(TextFunctions, GiveTheExpectedTextForEachCase)
{
    const std::map<CString, std::function<std::string(const Args&)>> functions = {
        {"WinFormat", [](const Args& a) { return WinFormat(a[1], std::stod(a[2].Bytes())); }},
        {"FontFamily", [](const Args& a) { return AfxLinuxFontFamily(a[1]).Bytes(); }},
        {"JetTranslate", [](const Args& a) { return cp932::FromUtf8(JetDialect::Translate(a[1])); }},
        {"JetSelect", [](const Args& a) { return JetDialect::Select(a[1]); }},
        {"JetFiltered", [](const Args& a) { return JetDialect::Filtered(a[1].Bytes(), a[2], a[3]); }},
        {"JetWithRowId",
         [](const Args& a) {
             std::string table, keyed;
             return JetDialect::WithRowId(a[1].Bytes(), table, keyed) ? table + " " + keyed : "";
         }},
        {"SplitCommandLine", [](const Args& a) {
             std::string words;
             for (const std::string& word : SplitCommandLine(a[1].Bytes()))
                 words += "<" + word + ">";
             return words;
         }}};
    for (const Args& c : testsupport::ReadTabbedCases("platform/text_functions.tsv"))
        EXPECT_EQ(c.back().Bytes(), functions.at(c[0])(c)) << c[0] << " " << c[1];
}

TEST(TextFunctions, WinFormatTakesWidthArgumentsAndSeveralConversionsAndTabsSeparateWords)
{
    EXPECT_EQ("  0.5", WinFormat("%*.*f", 5, 1, 0.45000000000000001));
    EXPECT_EQ("x 42 ab 7f 100% 00012", WinFormat("x %d %s %x 100%% %05d", 42, "ab", 127, 12));
    EXPECT_EQ((std::vector<std::string>{"a", "b", "c"}), SplitCommandLine("  a b\t c  "));
}
