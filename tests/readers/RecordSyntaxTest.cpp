// The record syntax of the form files, and the helpers that readers apply to field values.
#include "tests/readers/BoundedChild.h"
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

// A value's CR LF, written in text mode, is stored as CR CR LF: the record reads on over the
// value's lines, whatever they hold, and the value gets its CR LF back.
TEST(ZnOldFormReader, KeepsTheLineBreaksOfAValueWrittenOverSeveralLines)
{
    testsupport::TempFolder folder;
    const std::string path = folder.Path() + "/Ksq001.220";
    testsupport::WriteFileBytes(path, "  #22060,;\r\n"
                                      "  \"\x8e\x96\x96\xb1\x8f\x8a\r\r\n" // "事務所" then its line break
                                      "\r\r\n"                             // an empty line of the value
                                      "/* \r\r\n"                          // a comment-like line of the value
                                      "  \x93\x58\x95\xdc\"  \r\n"         // "  店舗" closes the value
                                      "/* 7 */\r\n"
                                      "#22070,;\r\n"
                                      "\"\x95\x5c\\\r\r\n" // "表\" then its line break
                                      "\"\r\n"
                                      "#22080,;\r\n"
                                      "\"x\r\"\r\n"); // a lone CR inside stays
    TestReader reader;
    ASSERT_EQ(1, reader.OpenDataFile(CString(path)));
    CStringArray fields;
    ASSERT_TRUE(reader.ReadRecord(fields));
    EXPECT_EQ((std::vector<CString>{"#22060", "\x8e\x96\x96\xb1\x8f\x8a\r\n\r\n/* \r\n  \x93\x58\x95\xdc"}),
              Fields(fields));
    ASSERT_TRUE(reader.ReadRecord(fields));
    EXPECT_EQ((std::vector<CString>{"#22070", "\x95\x5c\\\r\n"}), Fields(fields));
    ASSERT_TRUE(reader.ReadRecord(fields));
    EXPECT_EQ((std::vector<CString>{"#22080", "x\r"}), Fields(fields));
    EXPECT_FALSE(reader.ReadRecord(fields));
    reader.CloseDataFile();
}

// A comment line stays a comment whatever its quotes; a value that ends in its line break keeps
// it; a file that ends inside a value returns no record.
TEST(ZnOldFormReader, EndsAValueOnlyWithTheLineThatClosesIt)
{
    testsupport::TempFolder folder;
    const std::string path = folder.Path() + "/Ksq001.250";
    testsupport::WriteFileBytes(path, "/* \"c\r\r\n#25010,;\r\n\"a\r\r\n\"\r\n#25020,;\r\n\"b\r\r\n");
    TestReader reader;
    ASSERT_EQ(1, reader.OpenDataFile(CString(path)));
    CStringArray fields;
    ASSERT_TRUE(reader.ReadRecord(fields));
    EXPECT_EQ((std::vector<CString>{"#25010", "a\r\n"}), Fields(fields));
    EXPECT_FALSE(reader.ReadRecord(fields));
    reader.CloseDataFile();
}

// A record as long as a floppy reads in time, each byte a bounded number of times: one of value
// pieces joined by double quote, semicolon, double quote, and one of lines continued with ";" that
// end in a doubled carriage return (each such line asks whether a value is open).
TEST(ZnOldFormReader, ReadsARecordAsLongAsAFloppyInTime)
{
    testsupport::TempFolder folder;
    const std::string path = folder.Path() + "/Ksq001.250";
    std::string joints, lines, continued;
    for (int i = 0; i < 480000; ++i)
        joints += "\";\"";
    for (int i = 0; i < 280000; ++i) {
        lines += "a;\r\r\n";
        continued += "a;";
    }
    // Each record fills a floppy of its own: a longer file is no floppy's.
    testsupport::WriteFileBytes(path, "#25010," + joints + "x\r\n");
    testsupport::WriteFileBytes(path + "0", "#25020,;\r\n" + lines + "b\r\n");
    EXPECT_EQ("true", readertest::RunBounded(
                          [&] {
                              TestReader reader;
                              CStringArray first, second;
                              if (!reader.OpenDataFile(CString(path)) || !reader.ReadRecord(first))
                                  return false;
                              reader.CloseDataFile();
                              return reader.OpenDataFile(CString(path + "0")) && reader.ReadRecord(second) &&
                                     Fields(first) == std::vector<CString>{"#25010", "x"} &&
                                     Fields(second) == std::vector<CString>{"#25020", CString(continued + "b")};
                          },
                          512, 30));
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
