// Files of both versions, written and read back by mdbtools, value for value.
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"
#include "tests/tools/JetReadBack.h"

#include "tools/jetwriter/JetFileWriter.h"
#include "tools/jetwriter/JetFormat.h"

#include <gtest/gtest.h>

using namespace jetreadback;

namespace {

const std::optional<std::string> null = std::nullopt;

std::string Repeat(const std::string& text, size_t times)
{
    std::string out;
    for (size_t i = 0; i < times; ++i)
        out += text;
    return out;
}

// The table of every column kind, whose rows read back as the kinds of tools/readback_rows.txt.
void AddKindsTable(JetDatabase& database)
{
    JetTable& table = database.AddTable("属性表");
    table.AddColumn("ID", JetColumnType::Long)
        .AddColumn("区分", JetColumnType::Short)
        .AddColumn("有効", JetColumnType::Bool)
        .AddColumn("種別", JetColumnType::Byte)
        .AddColumn("登録日", JetColumnType::DateTime)
        .AddColumn("面積", JetColumnType::Double)
        .AddColumn("名称", JetColumnType::Text, 40)
        .AddColumn("備考", JetColumnType::Memo);
    table.AddRow({JetValue::Integer(1), JetValue::Integer(-2), JetValue::Bool(true), JetValue::Integer(255),
                  JetValue::Date(COleDateTime(2003, 4, 5, 6, 7, 8)), JetValue::Real(3.25),
                  JetValue::Text("①～㈱髙表ソ"), JetValue::Text("メモ①")});
    table.AddRow({JetValue::Integer(2), JetValue(), JetValue::Bool(false), JetValue(), JetValue(), JetValue(),
                  JetValue::Text(""), JetValue()});
    table.AddRow({JetValue::Integer(-2147483647 - 1), JetValue::Integer(-32768), JetValue::Bool(true),
                  JetValue::Integer(0), JetValue::Real(0), JetValue::Real(-0.5), JetValue(), JetValue::Text("")});
    table.AddRow({JetValue::Integer(2147483647), JetValue::Integer(32767), JetValue::Bool(false), JetValue::Integer(7),
                  JetValue::Date(COleDateTime(2099, 12, 31, 23, 59, 59)), JetValue::Real(1234.5),
                  JetValue::Text(Repeat("表", 20)), JetValue::Text("ｶﾅ")});
}


class JetWriterReadBack : public testing::TestWithParam<JetVersion> {
protected:
    const JetFormat& Format() const { return JetFormat::For(GetParam()); }
    std::string Write(const JetDatabase& database)
    {
        JetFileWriter(database).WriteFile(folder_.Path("test.mdb"));
        return folder_.Path("test.mdb");
    }

    testsupport::TempFolder folder_;
};

std::string VersionName(const testing::TestParamInfo<JetVersion>& info)
{
    return info.param == JetVersion::Jet3 ? "Jet3" : "Jet4";
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Versions, JetWriterReadBack, testing::Values(JetVersion::Jet3, JetVersion::Jet4), VersionName);

// Every kind of value reads back through the library; the header tells the version, plain pages
// and Japanese text.
TEST_P(JetWriterReadBack, EveryKindReadsBackThroughTheLibrary)
{
    JetDatabase database(GetParam());
    AddKindsTable(database);
    std::string file = Write(database);
    EXPECT_EQ(ExpectedRows("kinds"), ReadTable(file, u8"属性表"));
    HeaderFields header = ReadHeader(file);
    EXPECT_EQ(GetParam() == JetVersion::Jet3 ? 0u : 1u, header.version);
    EXPECT_EQ(0u, header.pageKey);
    EXPECT_EQ(932u, header.codePage);
    EXPECT_EQ(0x411u, header.sortOrder);
}

TEST_P(JetWriterReadBack, ProgramsSeeTheTablesSchemaAndRows)
{
    JetDatabase database(GetParam());
    AddKindsTable(database);
    database.AddTable("空表").AddColumn("コード", JetColumnType::Long);
    std::string file = Write(database);

    EXPECT_EQ(GetParam() == JetVersion::Jet3 ? "JET3\n" : "JET4\n", RunTool("mdb-ver", {file}));
    EXPECT_EQ(u8"属性表\n空表\n", RunTool("mdb-tables", {"-1", file}));
    EXPECT_EQ(u8"MSysObjects\nMSysQueries\n属性表\n空表\n", RunTool("mdb-tables", {"-1", "-S", file}));
    std::string schema = RunTool("mdb-schema", {"-T", u8"属性表", file, "access"});
    EXPECT_NE(std::string::npos, schema.find(testsupport::ReadFileBytes(testsupport::DataPath("tools/kinds_schema.txt"))))
        << schema;
    EXPECT_EQ("0\n", RunTool("mdb-count", {file, u8"空表"}));
}

namespace {

// Pages of a file whose bytes 4 to 7 hold tag (a data page's table, or "LVAL").
int CountPagesTagged(const std::string& bytes, const JetFormat& format, int type, const std::string& tag)
{
    int count = 0;
    for (size_t n = 0; n * format.pageSize < bytes.size(); ++n) {
        std::string page = PageOf(bytes, format.pageSize, n);
        count += page[0] == type && page.compare(4, 4, tag) == 0;
    }
    return count;
}

std::string Le32(uint32_t value)
{
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

} // namespace

TEST_P(JetWriterReadBack, RowsSpanSeveralDataPagesInOrder)
{
    JetDatabase database(GetParam());
    JetTable& table = database.AddTable("明細");
    table.AddColumn("番号", JetColumnType::Long).AddColumn("名前", JetColumnType::Text, 30);
    std::vector<Row> expected;
    for (int i = 0; i < 1500; ++i) {
        bool even = i % 2 == 0;
        table.AddRow({JetValue::Integer(i), even ? JetValue::Text("行" + std::to_string(i)) : JetValue()});
        expected.push_back({std::to_string(i), even ? Value(u8"行" + std::to_string(i)) : null});
    }
    std::string file = Write(database);
    EXPECT_EQ(expected, ReadTable(file, u8"明細"));
    // Rows of 13 bytes, or 17 to 23 with their text (Jet 4), and of 9, or 12 to 15 (Jet 3), each with
    // a 2-byte offset entry, on pages of 4082 or 2038 bytes after the header: 8 and 11 pages. The
    // table's definition is on page 4.
    std::string bytes = JetFileWriter(database).Bytes();
    EXPECT_EQ(GetParam() == JetVersion::Jet3 ? 11 : 8, CountPagesTagged(bytes, Format(), 1, Le32(4)));
}

// Memo values kept in the row (up to 64 bytes), in one long-value row, and in chains of two and
// three long-value pages. In Jet 3 a double-byte character straddles the chain's first seam.
TEST_P(JetWriterReadBack, MemosOfEveryLengthReadBackWhole)
{
    bool jet3 = GetParam() == JetVersion::Jet3;
    const size_t oneRow = static_cast<size_t>(Format().MaxRowSize()); // 2036 or 4080 bytes
    // Characters of each memo: Jet 4 stores two bytes per character, Jet 3 two per kanji.
    std::vector<std::pair<std::string, std::string>> memos; // CP932, UTF-8
    auto add = [&](const std::string& head, size_t kanji) {
        memos.emplace_back(head + Repeat("表", kanji), head + Repeat(u8"表", kanji));
    };
    if (jet3) {
        add("", 32);                    // 64 bytes: in the row
        add("a", 32);                   // 65 bytes: a long-value row
        add("aa", (oneRow - 2) / 2);    // 2036 bytes: a whole long-value page
        add("a", (oneRow + 1 - 1) / 2); // 2037 bytes: two pages, 表 split at byte 2032
        add("aa", 2999);                // 6000 bytes: three pages
    } else {
        add("", 32);          // 64 bytes
        add("a", 32);         // 66 bytes
        add("", oneRow / 2);  // 4080 bytes
        add("a", oneRow / 2); // 4082 bytes
        add("", 6000);        // 12000 bytes
    }
    JetDatabase database(GetParam());
    JetTable& table = database.AddTable("文書");
    table.AddColumn("No", JetColumnType::Long).AddColumn("本文", JetColumnType::Memo);
    std::vector<Row> expected;
    for (size_t i = 0; i < memos.size(); ++i) {
        table.AddRow({JetValue::Integer(static_cast<int64_t>(i)), JetValue::Text(memos[i].first)});
        expected.push_back({std::to_string(i), memos[i].second});
    }
    std::string file = Write(database);
    EXPECT_EQ(expected, ReadTable(file, u8"文書"));
    // One page for the long-value row, one for the whole page, two and three for the chains.
    EXPECT_EQ(7, CountPagesTagged(JetFileWriter(database).Bytes(), Format(), 1, "LVAL"));
}

// Jet 3 rows past 256 bytes need a jump table; rows of every size from 10 to about 1000 bytes.
TEST_P(JetWriterReadBack, RowsOfEverySizeReadBack)
{
    JetDatabase database(GetParam());
    JetTable& table = database.AddTable("T");
    table.AddColumn("ID", JetColumnType::Long)
        .AddColumn("A", JetColumnType::Text, 255)
        .AddColumn("B", JetColumnType::Text, 255)
        .AddColumn("C", JetColumnType::Text, 255)
        .AddColumn("M", JetColumnType::Memo);
    std::vector<Row> expected;
    auto text = [](int length, char c) { return length ? Value(std::string(static_cast<size_t>(length), c)) : null; };
    auto value = [](const Value& v) { return v ? JetValue::Text(*v) : JetValue(); };
    for (int n = 0; n < 700; ++n) {
        Row row = {std::to_string(n), text(n % 255, 'a'), text(n > 255 ? (n - 255) % 255 : 0, 'b'),
                   text(n > 510 ? n - 510 : 0, 'c'), text(n % 60, 'm')};
        table.AddRow({JetValue::Integer(n), value(row[1]), value(row[2]), value(row[3]), value(row[4])});
        expected.push_back(row);
    }
    EXPECT_EQ(expected, ReadTable(Write(database), "T"));
}

// A table on more pages than a usage map row's bitmap covers (512 in Jet 4, 1024 in Jet 3) gets
// a map that points to bitmap pages.
TEST_P(JetWriterReadBack, TablesBeyondTheInlineUsageMapReadWhole)
{
    JetDatabase database(GetParam());
    JetTable& table = database.AddTable("T");
    table.AddColumn("ID", JetColumnType::Long).AddColumn("A", JetColumnType::Text, 255);
    const int rows = GetParam() == JetVersion::Jet3 ? 7500 : 4000; // 7 rows a page either way
    for (int i = 0; i < rows; ++i)
        table.AddRow({JetValue::Integer(i), JetValue::Text(std::string(255, static_cast<char>('a' + i % 26)))});
    std::vector<Row> read = ReadTable(Write(database), "T");
    ASSERT_EQ(static_cast<size_t>(rows), read.size());
    for (int i = 0; i < rows; ++i)
        ASSERT_EQ((Row{std::to_string(i), std::string(255, static_cast<char>('a' + i % 26))}), read[i]) << i;
}

TEST_P(JetWriterReadBack, SavedQueryIsListedAndRebuilt)
{
    JetDatabase database(GetParam());
    AddKindsTable(database);
    database.AddQuery(
        JetQuery::Select("属性Q", "属性表", {"[ID]", "[名称]"}, "[区分]=7 AND [名称]<>'①'", {{"[ID]", true}}));
    std::string file = Write(database);

    EXPECT_EQ(u8"属性Q\n", RunTool("mdb-queries", {"-L", "-1", file}));
    EXPECT_EQ(u8"SELECT [ID],[名称] FROM [属性表] WHERE [区分]=7 AND [名称]<>'①' ORDER BY [ID] DESCENDING\n",
              RunTool("mdb-queries", {file, u8"属性Q"}));
    EXPECT_EQ(ExpectedRows("query"), ReadTable(file, "MSysQueries"));
    EXPECT_EQ(ExpectedRows("object"), ReadTable(file, "MSysObjects"));
}
