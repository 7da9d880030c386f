#include "tests/support/TestSupport.h"

// 表 is 95 5C and ソ is 83 5C: their trail byte is the code of "\".

TEST(CString, CountsAndCutsInBytes)
{
    CString text("表ソabc");
    EXPECT_EQ(7, text.GetLength());
    EXPECT_EQ(CString("\x95"), text.Left(1));
    EXPECT_EQ(CString("ソa"), text.Mid(2, 3));
    EXPECT_EQ(CString("abc"), text.Mid(4));
    EXPECT_EQ(CString("bc"), text.Right(2));
    EXPECT_EQ(CString(""), text.Mid(9));
    EXPECT_EQ(CString("表ソabc"), text.Left(99));
    EXPECT_EQ(CString(""), text.Left(-1));
    EXPECT_EQ(CString("表"), text.Mid(-3, 2));
}

TEST(CString, SearchingNeverMatchesATrailByte)
{
    CString path("C:\\表\\ソ");
    EXPECT_EQ(-1, CString("表").Find('\\'));
    EXPECT_EQ(-1, CString("表").Find("\\"));
    EXPECT_EQ(2, path.Find('\\'));
    EXPECT_EQ(5, path.Find('\\', 3));
    EXPECT_EQ(5, path.ReverseFind('\\'));
    EXPECT_EQ(3, path.Find("表"));
    EXPECT_EQ(-1, CString("x表").FindOneOf("\\"));
    EXPECT_EQ(1, CString("x表").FindOneOf("ソ表"));
    EXPECT_EQ(CString("表"), CString("表\\x").SpanExcluding("\\"));
    EXPECT_EQ(CString("ソ表"), CString("ソ表ab").SpanIncluding("表ソ"));
    // A two-byte search text is found only on character boundaries: "\x5C\x83" spans a trail and a lead byte.
    EXPECT_EQ(-1, CString("表ソ").Find("\x5C\x83"));
}

TEST(CString, ReplacingAndRemovingStepOverDoubleByteCharacters)
{
    CString path("表\\ソ\\");
    EXPECT_EQ(2, path.Replace("\\", "/"));
    EXPECT_EQ(CString("表/ソ/"), path);

    CString other("表\\ソ");
    EXPECT_EQ(1, other.Replace('\\', '/'));
    EXPECT_EQ(CString("表/ソ"), other);

    CString removed("ソ\\表\\");
    EXPECT_EQ(2, removed.Remove('\\'));
    EXPECT_EQ(CString("ソ表"), removed);
}

TEST(CString, TrimmingKeepsDoubleByteCharactersWhole)
{
    CString text("  表 \t");
    text.TrimLeft();
    text.TrimRight();
    EXPECT_EQ(CString("表"), text);

    CString trail("ソ\\");
    trail.TrimRight('\\');
    EXPECT_EQ(CString("ソ"), trail);
    trail.TrimRight('\\'); // the trail byte of ソ stays
    EXPECT_EQ(CString("ソ"), trail);

    CString set("　表　");
    set.TrimLeft("　");
    set.TrimRight("　");
    EXPECT_EQ(CString("表"), set);
}

TEST(CString, CaseChangesTouchOnlySingleByteLetters)
{
    // ａ is 82 81; a case change must not alter its bytes.
    CString text("aｂ表Zソz");
    text.MakeUpper();
    EXPECT_EQ(CString("Aｂ表ZソZ"), text);
    text.MakeLower();
    EXPECT_EQ(CString("aｂ表zソz"), text);
    EXPECT_EQ(0, CString("Abc表").CompareNoCase("aBC表"));
    EXPECT_GT(0, CString("abc").CompareNoCase("abd"));
    CString reversed("a表b");
    reversed.MakeReverse();
    EXPECT_EQ(CString("b表a"), reversed);
}

TEST(CString, EditsAndComparisons)
{
    CString text("ac");
    text.Insert(1, 'b');
    text.Insert(0, "表");
    EXPECT_EQ(CString("表abc"), text);
    text.Delete(0, 2);
    EXPECT_EQ(CString("abc"), text);
    text.Delete(5, 1); // past the end: nothing to delete
    EXPECT_EQ(CString("abc"), text);
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_TRUE(CString("\x95") > CString("a")); // bytes compare unsigned
    EXPECT_TRUE(CString("x") == "x");
    EXPECT_EQ(CString("表表表"), CString("表") + "表" + CString("表"));
}

TEST(CString, FormatAndBuffers)
{
    CString text;
    text.Format("%s=%d;%.1f", "表", 7, 0.25);
    EXPECT_EQ(CString("表=7;0.3"), text);

    CString buffer;
    char* p = buffer.GetBuffer(10);
    strcpy(p, "abc");
    buffer.ReleaseBuffer();
    EXPECT_EQ(3, buffer.GetLength());
    EXPECT_EQ(CString("abc"), buffer);
    buffer.GetBufferSetLength(2);
    EXPECT_EQ(CString("ab"), buffer);
}
