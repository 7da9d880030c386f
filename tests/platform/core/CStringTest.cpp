#include "tests/support/TabbedCases.h"

#include <functional>
#include <map>

TEST(CString, GivesTheExpectedTextForEachCase)
{
    using Args = std::vector<CString>;
    auto n = [](const CString& text) { return std::stoi(text.Bytes()); };
    auto ch = [](const CString& text) { return text.Bytes()[0]; };
    auto edited = [](CString text, const std::function<int(CString&)>& edit) {
        int result = edit(text);
        return std::to_string(result) + " " + text.Bytes();
    };
    // The start or count argument is there when the case has five fields.
    const std::map<CString, std::function<std::string(const Args&)>> operations = {
        {"Mid",
         [&](const Args& a) { return (a.size() == 5 ? a[1].Mid(n(a[2]), n(a[3])) : a[1].Mid(n(a[2]))).Bytes(); }},
        {"Left", [&](const Args& a) { return a[1].Left(n(a[2])).Bytes(); }},
        {"Right", [&](const Args& a) { return a[1].Right(n(a[2])).Bytes(); }},
        {"Find", [&](const Args& a) { return std::to_string(a[1].Find(a[2])); }},
        {"FindChar",
         [&](const Args& a) {
             return std::to_string(a.size() == 5 ? a[1].Find(ch(a[2]), n(a[3])) : a[1].Find(ch(a[2])));
         }},
        {"ReverseFind", [&](const Args& a) { return std::to_string(a[1].ReverseFind(ch(a[2]))); }},
        {"FindOneOf", [&](const Args& a) { return std::to_string(a[1].FindOneOf(a[2])); }},
        {"SpanExcluding", [&](const Args& a) { return a[1].SpanExcluding(a[2]).Bytes(); }},
        {"SpanIncluding", [&](const Args& a) { return a[1].SpanIncluding(a[2]).Bytes(); }},
        {"CompareNoCase",
         [&](const Args& a) {
             return std::to_string((a[1].CompareNoCase(a[2]) > 0) - (a[1].CompareNoCase(a[2]) < 0));
         }},
        {"Replace", [&](const Args& a) { return edited(a[1], [&](CString& t) { return t.Replace(a[2], a[3]); }); }},
        {"ReplaceChar",
         [&](const Args& a) { return edited(a[1], [&](CString& t) { return t.Replace(ch(a[2]), ch(a[3])); }); }},
        {"Remove", [&](const Args& a) { return edited(a[1], [&](CString& t) { return t.Remove(ch(a[2])); }); }},
        {"Insert", [&](const Args& a) { return edited(a[1], [&](CString& t) { return t.Insert(n(a[2]), a[3]); }); }},
        {"InsertChar",
         [&](const Args& a) { return edited(a[1], [&](CString& t) { return t.Insert(n(a[2]), ch(a[3])); }); }},
        {"Delete", [&](const Args& a) { return edited(a[1], [&](CString& t) { return t.Delete(n(a[2]), n(a[3])); }); }},
        {"TrimRight",
         [&](const Args& a) { return edited(a[1], [&](CString& t) { return t.TrimRight(ch(a[2])), 0; }); }},
        {"Trim",
         [&](const Args& a) {
             return edited(a[1], [&](CString& t) { return t.TrimLeft(a[2]), t.TrimRight(a[2]), 0; });
         }},
        {"MakeUpper", [&](const Args& a) { return edited(a[1], [](CString& t) { return t.MakeUpper(), 0; }); }},
        {"MakeLower", [&](const Args& a) { return edited(a[1], [](CString& t) { return t.MakeLower(), 0; }); }},
        {"MakeReverse", [&](const Args& a) { return edited(a[1], [](CString& t) { return t.MakeReverse(), 0; }); }}};
    for (const Args& c : testsupport::ReadTabbedCases("platform/cstring.tsv"))
        EXPECT_EQ(c.back().Bytes(), operations.at(c[0])(c)) << c[0] << " " << c[1];
}

// What the table cannot hold: a lone lead byte, blanks and tabs, and byte order.
TEST(CString, CutsInBytesTrimsBlanksAndComparesBytesUnsigned)
{
    CString text("表ソabc");
    EXPECT_EQ(7, text.GetLength());
    EXPECT_EQ(CString("\x95"), text.Left(1));
    EXPECT_EQ(-1, CString("表ソ").Find("\x5C\x83")); // spans a trail and a lead byte
    // A lead byte before a byte that cannot follow it is a character of its own, and so is that byte.
    CString lone("\x81'\x81<\x81\x40");
    EXPECT_EQ(1, lone.Find('\''));
    EXPECT_EQ(3, lone.FindOneOf("<"));
    lone.MakeReverse();
    EXPECT_EQ(CString("\x81\x40<\x81'\x81"), lone);
    CString blanks("  表 \t");
    blanks.TrimLeft();
    blanks.TrimRight();
    EXPECT_EQ(CString("表"), blanks);
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE(CString("\x95") > CString("a"));
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_EQ(CString("表表表"), CString("表") + "表" + CString("表"));
}

TEST(CString, FormatAndBuffers)
{
    CString text;
    text.Format("%s=%d;%.1f", "表", 7, 0.25);
    EXPECT_EQ(CString("表=7;0.3"), text);
    char* p = text.GetBuffer(10);
    strcpy(p, "abc");
    text.ReleaseBuffer();
    EXPECT_EQ(CString("abc"), text);
    text.GetBufferSetLength(2);
    EXPECT_EQ(CString("ab"), text);
}
