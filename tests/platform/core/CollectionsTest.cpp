#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

TEST(CStringList, KeepsOrderAndEditsAtPositions)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION c = list.AddTail("d");
    list.InsertBefore(c, "c");
    list.InsertAfter(c, "e");
    std::string joined, backwards;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        joined += list.GetNext(pos).Bytes();
    EXPECT_EQ("abcde", joined);
    EXPECT_EQ(CString("c"), list.GetAt(list.FindIndex(2)));
    EXPECT_EQ(nullptr, list.FindIndex(5));
    list.RemoveAt(list.Find("c"));
    EXPECT_EQ(CString("a"), list.RemoveHead());
    EXPECT_EQ(CString("e"), list.RemoveTail());
    EXPECT_EQ(2, list.GetCount());
    for (POSITION pos = list.GetTailPosition(); pos;)
        backwards += list.GetPrev(pos).Bytes();
    EXPECT_EQ("db", backwards);
    list.RemoveAll();
    EXPECT_TRUE(list.IsEmpty());
}

TEST(CStringArray, AddsAndChecksIndexes)
{
    CStringArray array;
    EXPECT_EQ(0, array.Add("a"));
    EXPECT_EQ(1, array.Add(CString("表")));
    EXPECT_EQ(2, array.GetSize());
    EXPECT_EQ(1, array.GetUpperBound());
    EXPECT_EQ(CString("表"), array[1]);
    array.SetAt(0, "b");
    array.ElementAt(1) += "x";
    EXPECT_EQ(CString("b"), array.GetAt(0));
    EXPECT_EQ(CString("表x"), array[1]);
    EXPECT_THROW(array.GetAt(2), std::out_of_range);
    EXPECT_THROW(array[-1], std::out_of_range);
    array.SetSize(3);
    EXPECT_EQ(CString(""), array[2]);
    array.SetSize(-1);
    EXPECT_EQ(0, array.GetSize());
    array.Add("c");
    array.RemoveAll();
    EXPECT_EQ(-1, array.GetUpperBound());

    CPtrArray pointers;
    int value = 0;
    EXPECT_EQ(0, pointers.Add(&value));
    EXPECT_EQ(&value, pointers[0]);
    EXPECT_THROW(pointers.SetAt(1, nullptr), std::out_of_range);
}

TEST(CMapStringToOb, LooksUpAndIteratesInKeyOrder)
{
    CObList a, b;
    CMapStringToOb map;
    map.SetAt("表", &a);
    map["x"] = &b;
    CObject* found = nullptr;
    EXPECT_TRUE(map.Lookup("表", found));
    EXPECT_EQ(&a, found);
    EXPECT_FALSE(map.Lookup("y", found));
    std::string keys;
    CString key;
    for (POSITION pos = map.GetStartPosition(); pos; keys += key.Bytes() + ";")
        map.GetNextAssoc(pos, key, found);
    EXPECT_EQ("x;表;", keys);
    EXPECT_TRUE(map.RemoveKey("x"));
    EXPECT_EQ(1, map.GetCount());
}

TEST(CFile, WritesReadsAndReportsMissingFiles)
{
    testsupport::TempFolder folder;
    CString name = CString(folder.Path()) + "\\表.bin";
    {
        CFile file(name, CFile::modeCreate | CFile::modeWrite);
        file.Write("abc", 3);
    }
    CFile file;
    ASSERT_TRUE(file.Open(name, CFile::modeRead));
    char buffer[8] = {};
    EXPECT_EQ(3u, file.Read(buffer, sizeof buffer));
    EXPECT_STREQ("abc", buffer);
    EXPECT_EQ(3u, file.GetLength());
    file.Close();
    CFile::Remove(name);

    CFileException error;
    EXPECT_FALSE(file.Open(name, CFile::modeRead, &error));
    EXPECT_EQ(CFileException::fileNotFound, error.m_cause);
    EXPECT_EQ(2, error.m_lOsError);
}
