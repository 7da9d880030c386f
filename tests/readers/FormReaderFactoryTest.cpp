// The reader factory: the table that picks readers by document kind, and the index values that
// every reader gets.
#include "tests/readers/ReaderTestSupport.h"

#include "readers/ZnOldBukkenFolder.h"
#include "readers/ZnOldFormReaderTable.h"

#include <typeinfo>

using readertest::Entries;
using readertest::Fields;
using readertest::Rows;
using readertest::TestReader;

namespace {

class OtherReader : public TestReader {};

// The readers of an array, deleted with the object.
struct Readers {
    ~Readers()
    {
        for (int i = 0; i < readers.GetSize(); ++i)
            delete At(i);
    }
    ZnOldFormReader* At(int i) const { return static_cast<ZnOldFormReader*>(readers[i]); }
    CPtrArray readers;
};

const std::vector<LPCTSTR> firstRow = {"#000",   "name", "20240105", "6.40", "7", "c5",
                                       "999999", "3",    "1",        "0",    "0", "2"};

} // namespace

TEST(ZnOldFormReaderTable, MakesOneReaderPerRowOfTheCodeInTableOrder)
{
    const std::vector<ZnOldFormReaderTable::Row> table = {
        {100001, 100001, "#110", "First", nullptr, ZnOldFormReaderTable::Create<TestReader>},
        {100001, 100001, "#240", "Second", "100801", ZnOldFormReaderTable::Create<OtherReader>},
        {100401, 100406, "#220", "Range", nullptr, ZnOldFormReaderTable::Create<OtherReader>},
    };
    Readers made;
    made.readers.Add(nullptr);
    ZnOldFormReaderTable::AppendReaders(table, "100001", made.readers);
    ASSERT_EQ(3, made.readers.GetSize());
    EXPECT_EQ(typeid(TestReader), typeid(*made.At(1)));
    EXPECT_EQ(CString("#110"), made.At(1)->m_formId);
    EXPECT_EQ(CString("First"), made.At(1)->m_targetClassName);
    EXPECT_EQ(CString("100001"), made.At(1)->m_appTypeCode);
    EXPECT_EQ(typeid(OtherReader), typeid(*made.At(2)));
    EXPECT_EQ(CString("#240"), made.At(2)->m_formId);
    EXPECT_EQ(CString("Second"), made.At(2)->m_targetClassName);
    EXPECT_EQ(CString("100801"), made.At(2)->m_appTypeCode);
    EXPECT_EQ(1, made.At(2)->m_indexPosition);

    for (LPCTSTR code : {"100401", "100406", "100403"}) {
        Readers range;
        ZnOldFormReaderTable::AppendReaders(table, code, range.readers);
        ASSERT_EQ(1, range.readers.GetSize()) << code;
        EXPECT_EQ(CString("#220"), range.At(0)->m_formId);
        EXPECT_EQ(CString(code), range.At(0)->m_appTypeCode);
    }
    for (LPCTSTR code : {"100400", "100407", "100002", "0", ""}) {
        Readers none;
        ZnOldFormReaderTable::AppendReaders(table, code, none.readers);
        EXPECT_EQ(0, none.readers.GetSize()) << code;
    }
}

TEST(ZnOldBukkenFolder, GivesEveryReaderTheIndexValues)
{
    std::vector<LPCTSTR> longFirstRow = firstRow;
    longFirstRow.push_back("column 12");
    Rows index({longFirstRow,
                {"#001", "a1", "b1", "220903", "R-1", "f1"},
                {"#002", "a2", "b2", "220904", "R-2", "f2", "more"}});
    Readers made;
    made.readers.Add(new TestReader);
    made.At(0)->m_appTypeCode = "100803";
    ZnOldBukkenFolder folder;
    EXPECT_EQ(1, folder.CreateFormReaders(index.rows, made.readers));
    ASSERT_EQ(1, made.readers.GetSize());
    const ZnOldFormReader& reader = *made.At(0);
    std::vector<CString> columns(reader.m_indexColumns, reader.m_indexColumns + ZnOldFormReader::indexColumnCount);
    EXPECT_EQ(std::vector<CString>({"", "name", "20240105", "6.40", "7", "c5", "", "3", "1", "0", "0", "2"}), columns);
    EXPECT_EQ(CString("100803"), reader.m_appTypeCode);
    EXPECT_EQ(CString("0"), reader.m_withSentinel);
    EXPECT_EQ(CString("001"), reader.m_buildingNoText);
    const std::vector<std::vector<CString>> lists = {{"#001", "#002"},     {"a1", "a2"},   {"b1", "b2"},
                                                     {"220903", "220904"}, {"R-1", "R-2"}, {"f1", "f2"}};
    for (int column = 0; column < ZnOldFormReader::rowListCount; ++column)
        EXPECT_EQ(lists[column], Entries(reader.m_rowLists[column])) << column;
    EXPECT_EQ(std::vector<CString>({"R-1", "R-2"}), Fields(reader.m_rowNumbers));

    // A reader given the values again keeps what it had of the further rows.
    folder.CreateFormReaders(index.rows, made.readers);
    EXPECT_EQ(std::vector<CString>({"R-1", "R-2", "R-1", "R-2"}), Fields(reader.m_rowNumbers));
}

TEST(ZnOldBukkenFolder, GivesEmptyTextsForWhatShortRowsLack)
{
    Rows oneRow({firstRow});
    Readers single;
    single.readers.Add(new TestReader);
    ZnOldBukkenFolder folder;
    folder.CreateFormReaders(oneRow.rows, single.readers);
    for (int column = 0; column < ZnOldFormReader::rowListCount; ++column)
        EXPECT_TRUE(single.At(0)->m_rowLists[column].IsEmpty());
    EXPECT_EQ(0, single.At(0)->m_rowNumbers.GetSize());

    Rows shortRows({{"#000", "name", "20240105"}, {"#001", "a1", "b1"}});
    Readers made;
    made.readers.Add(new TestReader);
    folder.CreateFormReaders(shortRows.rows, made.readers);
    const ZnOldFormReader& reader = *made.At(0);
    EXPECT_EQ(CString("20240105"), reader.m_indexColumns[2]);
    for (int column = 3; column < ZnOldFormReader::indexColumnCount; ++column)
        EXPECT_EQ(CString(""), reader.m_indexColumns[column]) << column;
    EXPECT_EQ(std::vector<CString>({"b1"}), Entries(reader.m_rowLists[2]));
    EXPECT_EQ(std::vector<CString>({""}), Entries(reader.m_rowLists[5]));
    EXPECT_EQ(std::vector<CString>({""}), Fields(reader.m_rowNumbers));

    Rows noRow;
    Readers none;
    none.readers.Add(new TestReader);
    EXPECT_EQ(1, folder.CreateFormReaders(noRow.rows, none.readers));
    EXPECT_EQ(CString(""), none.At(0)->m_indexColumns[1]);
}
