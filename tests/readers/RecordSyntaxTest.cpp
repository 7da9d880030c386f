// The record syntax of the form files, and the helpers that readers apply to field values.
#include "tests/readers/ReaderTestSupport.h"
#include "tests/support/TabbedCases.h"

#include "readers/VhString.h"

#include <map>

using readertest::Fields;
using readertest::TestReader;

namespace {

struct Expected {
    bool record; // a record read, else what the array holds at the end
    std::vector<CString> fields;
};

// records.tsv by file, in the order of its lines.
std::map<std::string, std::vector<Expected>> ExpectedRecords()
{
    std::map<std::string, std::vector<Expected>> files;
    for (const std::vector<CString>& row : testsupport::ReadTabbedCases("readers/records.tsv"))
        files[row.at(0).Bytes()].push_back({row.at(1) == "record", std::vector<CString>(row.begin() + 2, row.end())});
    return files;
}

} // namespace

TEST(ZnOldFormReader, ReadsEachFixtureRecordByRecord)
{
    std::map<std::string, std::vector<Expected>> files = ExpectedRecords();
    ASSERT_EQ(9u, files.size());
    for (const auto& [file, records] : files) {
        TestReader reader;
        ASSERT_EQ(1, reader.OpenDataFile(CString(testsupport::DataPath("readers/records/" + file)))) << file;
        VhString::SetSeparator('#');
        CStringArray fields;
        for (size_t i = 0; i < records.size(); ++i) {
            EXPECT_EQ(records[i].record, reader.ReadRecord(fields) != FALSE) << file << " result " << i;
            EXPECT_EQ(records[i].fields, Fields(fields)) << file << " result " << i;
        }
        EXPECT_FALSE(records.back().record) << file << " lists no end";
        EXPECT_EQ('#', VhString::GetSeparator()) << file;
        VhString::SetSeparator('|');
        reader.CloseDataFile();
    }
}

TEST(ZnOldFormReader, ReadsNothingWithoutAnOpenFile)
{
    TestReader reader;
    testsupport::TempFolder folder;
    EXPECT_EQ(0, reader.OpenDataFile(readertest::WinFolder(folder.Path()) + "Ksq001.250"));
    EXPECT_EQ(0, reader.OpenDataFile(readertest::WinFolder(folder.Path())));
    CStringArray fields;
    fields.Add("left over");
    EXPECT_FALSE(reader.ReadRecord(fields));
    EXPECT_EQ(0, fields.GetSize());
    reader.CloseDataFile();
}

TEST(ZnOldFormReader, TakesTheItemCodeAndPartsOfValues)
{
    EXPECT_EQ(25010, ZnOldFormReader::GetItemCode("#25010"));
    EXPECT_EQ(25010, ZnOldFormReader::GetItemCode("#250109"));
    EXPECT_EQ(251, ZnOldFormReader::GetItemCode("#251"));
    EXPECT_EQ(0, ZnOldFormReader::GetItemCode("#"));
    EXPECT_EQ(0, ZnOldFormReader::GetItemCode(""));

    struct Case {
        LPCTSTR value;
        int n;
        LPCTSTR part;
    };
    const Case cases[] = {
        {"100-0013", 1, "100"},      {"100-0013", 2, "0013"},     {"03-1234-5678", 1, "03"},
        {"03-1234-5678", 2, "1234"}, {"03-1234-5678", 3, "5678"}, {"03-1234-5678", 4, "5678"},
        {"03-1234-5678", 0, ""},     {"03-1234-5678", -1, ""},    {"1000013", 1, "1000013"},
        {"1000013", 3, "1000013"},   {"-0013", 1, "-0013"},       {"-0013", 2, "-0013"},
        {"100-", 2, "100-"},         {" 100 - 0013 ", 2, "0013"}, {"\"a-b\"", 1, "\"a-b\""},
        {"\"a-b\"", 2, "\"a-b\""},   {"表-ソ", 2, "ソ"},
    };
    VhString::SetSeparator('#');
    for (const Case& c : cases)
        EXPECT_EQ(CString(c.part), ZnOldFormReader::GetSplitField(c.value, '-', c.n)) << c.value << " " << c.n;
    EXPECT_EQ('#', VhString::GetSeparator());
    VhString::SetSeparator('|');

    EXPECT_EQ(CString("F1"), ZnOldFormReader::DropSecondZero("F01"));
    EXPECT_EQ(CString("F10"), ZnOldFormReader::DropSecondZero("F010"));
    EXPECT_EQ(CString("F1"), ZnOldFormReader::DropSecondZero("F1"));
    EXPECT_EQ(CString("1"), ZnOldFormReader::DropSecondZero("1"));
    EXPECT_EQ(CString("表0"), ZnOldFormReader::DropSecondZero("表0"));
}
