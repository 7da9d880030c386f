// The Jet writer: its bytes by hand, its files read back by mdbtools (Jet 3 text as CP932), its refusals.
#include "tests/support/CommandOutput.h"
#include "tests/support/TabbedCases.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestSupport.h"

#include "tools/jetwriter/JetDataPage.h"
#include "tools/jetwriter/JetFileWriter.h"
#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetRowEncoder.h"
#include "tools/jetwriter/JetTableDefinition.h"
#include "tools/jetwriter/JetUsageMap.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <mdbtools.h>
#include <memory>
#include <stdexcept>

using namespace testsupport;

namespace {

// A value as libmdb gives it: nullopt for NULL, text, or a binary column's stored bytes.
using Value = std::optional<std::string>;
using Row = std::vector<Value>;

constexpr size_t kBindSize = 1 << 20; // room for the longest memo of the tests

// Jet 3 files of this system hold CP932 text; libmdb reads the settings when a file is opened.
const bool kReaderSettings = setenv("MDB_JET3_CHARSET", "CP932", 1) == 0 && setenv("MDBICONV", "UTF-8", 1) == 0;

std::string ShellQuote(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

using Mdb = std::unique_ptr<MdbHandle, decltype(&mdb_close)>;

// The values of the row that mdb_fetch_row has just read, from the page it is on.
Row CurrentRow(MdbHandle* mdb, MdbTableDef* table, const std::vector<std::string>& bound,
               const std::vector<int>& lengths)
{
    int start = 0;
    size_t size = 0;
    mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size);
    std::vector<MdbField> fields(table->num_cols);
    mdb_crack_row(table, start, size, fields.data());
    Row row;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (column->col_type == MDB_BOOL)
            row.emplace_back(bound[i].c_str());
        else if (fields[i].is_null)
            row.emplace_back(std::nullopt);
        else if (column->col_type == MDB_BINARY)
            row.emplace_back(std::string(reinterpret_cast<const char*>(mdb->pg_buf) + fields[i].start,
                                         static_cast<size_t>(fields[i].siz)));
        else
            row.emplace_back(bound[i].substr(0, static_cast<size_t>(lengths[i])));
    }
    return row;
}

std::string RunTool(const std::string& program, const std::vector<std::string>& arguments)
{
    std::string command = program;
    for (const std::string& argument : arguments)
        command += " " + ShellQuote(argument);
    return testsupport::CommandOutput(command + " 2>/dev/null");
}

std::vector<Row> ExpectedRows(const std::string& key)
{
    std::vector<Row> rows;
    std::map<std::string, std::vector<std::string>> lines = testsupport::ReadKeyedLines("tools/readback_rows.txt");
    for (const std::string& line : lines[key]) {
        Row row;
        for (size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = line.find('\t', start);
            std::string value = line.substr(start, end == std::string::npos ? end : end - start);
            row.push_back(value == "\\N" ? Value() : Value(value));
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<Row> ReadTable(const std::string& file, const std::string& tableUtf8)
{
    Mdb mdb(mdb_open(file.c_str(), MDB_NOFLAGS), mdb_close);
    if (!mdb)
        throw std::runtime_error("mdb_open failed on " + file);
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    mdb_set_bind_size(mdb.get(), kBindSize);
    if (!mdb_read_catalog(mdb.get(), MDB_ANY))
        throw std::runtime_error("mdb_read_catalog failed on " + file);
    std::string name = tableUtf8;
    std::unique_ptr<MdbTableDef, decltype(&mdb_free_tabledef)> table(
        mdb_read_table_by_name(mdb.get(), &name[0], MDB_TABLE), mdb_free_tabledef);
    if (!table)
        throw std::runtime_error("no table " + tableUtf8 + " in " + file);
    mdb_read_columns(table.get());
    mdb_rewind_table(table.get());

    std::vector<std::string> bound(table->num_cols, std::string(kBindSize, '\0'));
    std::vector<int> lengths(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i)
        mdb_bind_column(table.get(), static_cast<int>(i) + 1, &bound[i][0], &lengths[i]);
    std::vector<Row> rows;
    while (mdb_fetch_row(table.get()))
        rows.push_back(CurrentRow(mdb.get(), table.get(), bound, lengths));
    return rows;
}

// What libmdb reads from page 0, its masked part unmasked: version, page key (0: not encrypted),
// code page and sort order.
std::string Header(const std::string& file)
{
    Mdb mdb(mdb_open(file.c_str(), MDB_NOFLAGS), mdb_close);
    if (!mdb)
        return "no file";
    std::string fields;
    for (unsigned field : {unsigned(mdb->f->jet_version), unsigned(mdb->f->db_key), unsigned(mdb->f->code_page), unsigned(mdb->f->lang_id)})
        fields += std::to_string(field) + " ";
    return fields;
}

std::string Bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

// ID Long, OK Yes/No, N Text(10), M Memo, with rows (1, Yes, "ab", "x") and (NULL, No, NULL, "").
JetTable SmallTable()
{
    JetTable table("T");
    table.AddColumn("ID", JetColumnType::Long) .AddColumn("OK", JetColumnType::Bool) .AddColumn("N", JetColumnType::Text, 10) .AddColumn("M", JetColumnType::Memo);
    table.AddRow({JetValue::Integer(1), JetValue::Bool(true), JetValue::Text("ab"), JetValue::Text("x")});
    table.AddRow({JetValue(), JetValue::Bool(false), JetValue(), JetValue::Text("")});
    return table;
}

// The rows of table, encoded one after the other.
std::string EncodedRows(JetVersion version, const JetTable& table)
{
    const JetFormat& format = JetFormat::For(version);
    JetPageFile file(format);
    JetLongValueStore longValues(file);
    JetTableLayout layout(format, table.Columns());
    JetRowEncoder encoder(format, table, layout, longValues);
    std::string rows;
    for (const auto& values : table.Rows())
        rows += encoder.Encode(values);
    return rows;
}

std::string Definition(JetVersion version, const JetTable& table)
{
    const JetFormat& format = JetFormat::For(version);
    JetPage page(format.pageSize);
    JetTableDefinition::Write(page, format, table, JetTableLayout(format, table.Columns()), 2, 0x101, 0x102);
    return page.Bytes();
}

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
    table.AddColumn("ID", JetColumnType::Long) .AddColumn("区分", JetColumnType::Short) .AddColumn("有効", JetColumnType::Bool) .AddColumn("種別", JetColumnType::Byte) .AddColumn("登録日", JetColumnType::DateTime) .AddColumn("面積", JetColumnType::Double) .AddColumn("名称", JetColumnType::Text, 40) .AddColumn("備考", JetColumnType::Memo);
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


// Pages of a file whose bytes 4 to 7 hold tag (a data page's table, or "LVAL").
int CountPagesTagged(const std::string& bytes, const JetFormat& format, int type, const std::string& tag)
{
    int count = 0;
    for (size_t n = 0; n * format.pageSize < bytes.size(); ++n) {
        std::string page = bytes.substr(n * format.pageSize, format.pageSize);
        count += page[0] == type && page.compare(4, 4, tag) == 0;
    }
    return count;
}


// The message of the std::invalid_argument that body throws, or "" if it throws none.
template <typename Body> std::string Refusal(Body body)
{
    try {
        body();
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
    return "";
}

JetTable KindsTable()
{
    JetTable table("T");
    table.AddColumn("Y", JetColumnType::Bool) .AddColumn("B", JetColumnType::Byte) .AddColumn("S", JetColumnType::Short) .AddColumn("L", JetColumnType::Long) .AddColumn("D", JetColumnType::DateTime) .AddColumn("N", JetColumnType::Text, 5) .AddColumn("X", JetColumnType::Binary, 2);
    return table;
}

} // namespace

// Rows of every part, and the table definition page followed by zeros, in both versions.
TEST(JetWriterBytes, RowsAndTableDefinitionsInBothVersions)
{
    for (auto [version, name] : {std::pair{JetVersion::Jet4, "tools/jet4_"}, std::pair{JetVersion::Jet3, "tools/jet3_"}}) {
        EXPECT_EQ(Hex(ReadHexFixture(name + std::string("rows.hex"))), Hex(EncodedRows(version, SmallTable())));
        std::string definition = ReadHexFixture(name + std::string("tdef.hex"));
        definition.resize(JetFormat::For(version).pageSize, '\0');
        EXPECT_EQ(Hex(definition), Hex(Definition(version, SmallTable())));
    }
}

// Jet 3 rows past 256 bytes carry a jump table: per 256 bytes the first offset past them, or FF.
TEST(JetWriterBytes, Jet3RowsPast256BytesCarryAJumpTable)
{
    auto row = [](size_t a, size_t b) {
        JetTable table("J");
        table.AddColumn("A", JetColumnType::Text, 255).AddColumn("B", JetColumnType::Text, 255);
        table.AddRow({JetValue::Text(std::string(a, 'a')), JetValue::Text(std::string(b, 'b'))});
        return EncodedRows(JetVersion::Jet3, table);
    };
    const std::string head = Bytes({0x02});
    // A at 1, B at 251, end at 261; 267 bytes: one jump, to entry 2 (the end).
    EXPECT_EQ(Hex(head + std::string(250, 'a') + std::string(10, 'b') + Bytes({0x05, 0xFB, 0x01, 0x02, 0x02, 0x03})),
              Hex(row(250, 10)));
    // A at 1, B (empty) and the end at 253; 259 bytes: one jump, past every offset.
    EXPECT_EQ(Hex(head + std::string(252, 'a') + Bytes({0xFD, 0xFD, 0x01, 0xFF, 0x02, 0x03})), Hex(row(252, 0)));
    // A at 1, B at 256, end at 511; 518 bytes: jumps to B, then past every offset.
    EXPECT_EQ(
        Hex(head + std::string(255, 'a') + std::string(255, 'b') + Bytes({0xFF, 0x00, 0x01, 0xFF, 0x01, 0x02, 0x03})),
        Hex(row(255, 255)));
}

TEST(JetWriterBytes, DataPageKeepsRowsFromItsEnd)
{
    const JetFormat& format = JetFormat::For(JetVersion::Jet4);
    JetPage page(format.pageSize);
    JetDataPage::StartTablePage(page, format, 4);
    JetDataPage rows(page, format);
    EXPECT_EQ(0, rows.AddRow(std::string(33, 'x')));
    EXPECT_EQ(1, rows.AddRow(std::string(30, 'y')));
    // Free: 4096 - 14 - 2 * 2 - 63 = 4015. Row 0 at 4063, row 1 at 4033.
    EXPECT_EQ(Hex(Bytes({0x01, 0x01, 0xAF, 0x0F, 0x04, 0, 0, 0, 0, 0, 0, 0, 0x02, 0x00, 0xDF, 0x0F, 0xC1, 0x0F})),
              Hex(page.Bytes().substr(0, 18)));
    EXPECT_EQ(std::string(30, 'y') + std::string(33, 'x'), page.Bytes().substr(4033));

    // No more than 255 rows, whose numbers a data pointer's one byte holds.
    for (int i = 2; i < 255; ++i)
        rows.AddRow("r");
    EXPECT_FALSE(rows.Fits(1));
    EXPECT_THROW(rows.AddRow("r"), std::logic_error);
}

// A deleted row keeps its bytes and gets 0x8000 in its offset entry; a moved row's place gets
// 0x4000 and, in its first four bytes, the data pointer: row number, then the page in three bytes.
TEST(JetWriterBytes, DeletedAndMovedRowsAsTheirOffsetEntriesFlagThem)
{
    const JetFormat& format = JetFormat::For(JetVersion::Jet3);
    JetPage page(format.pageSize);
    JetDataPage::StartTablePage(page, format, 4);
    JetDataPage rows(page, format);
    rows.AddRow(std::string(33, 'x'));
    rows.AddRow(std::string(30, 'y'));
    rows.AddRow(std::string(10, 'z'), JetDataPage::kDeletedRow);
    rows.DeleteRow(0);
    rows.PointRowTo(1, JetDataPointer(0x020304, 5));
    rows.PointRowTo(2, JetDataPointer(9, 0));
    // Rows at 2015 (0x7DF), 1985 (0x7C1) and 1975 (0x7B7).
    EXPECT_EQ(Hex(Bytes({0x03, 0x00, 0xDF, 0x87, 0xC1, 0x47, 0xB7, 0xC7})), Hex(page.Bytes().substr(8, 8)));
    EXPECT_EQ(Hex(Bytes({0x00, 0x09, 0x00, 0x00}) + std::string(6, 'z') + Bytes({0x05, 0x04, 0x03, 0x02}) +
                  std::string(26, 'y') + std::string(33, 'x')),
              Hex(page.Bytes().substr(1975)));
}

TEST(JetWriterBytes, UsageMapsInlineAndThroughBitmapPages)
{
    const JetFormat& format = JetFormat::For(JetVersion::Jet4); // 64-byte bitmaps, 4092-byte bitmap pages
    // Pages 7, 8 and 10: from page 7, bits 0, 1 and 3.
    JetUsageMap inlineMap(format, {10, 7, 8});
    EXPECT_TRUE(inlineMap.BitmapRanges().empty());
    EXPECT_EQ(Hex(Bytes({0x00, 0x07, 0, 0, 0, 0x0B}) + std::string(63, '\0')), Hex(inlineMap.Row({})));

    // Pages 5 and 40000 lie 39995 apart: ranges 0 and 1 of 32736 pages, on bitmap pages 99 and 100.
    JetUsageMap pagedMap(format, {5, 40000});
    EXPECT_EQ((std::vector<uint32_t>{0, 1}), pagedMap.BitmapRanges());
    EXPECT_EQ(Hex(Bytes({0x01, 99, 0, 0, 0, 100, 0, 0, 0}) + std::string(60, '\0')), Hex(pagedMap.Row({99, 100})));
    JetPage first(format.pageSize), second(format.pageSize);
    pagedMap.FillBitmapPage(first, 0);
    pagedMap.FillBitmapPage(second, 1);
    EXPECT_EQ(Hex(Bytes({0x05, 0x01, 0, 0, 0x20}) + std::string(4091, '\0')), Hex(first.Bytes()));
    // 40000 - 32736 = 7264 = 908 * 8: bit 0 of bitmap byte 908.
    EXPECT_EQ(Hex(Bytes({0x05, 0x01, 0, 0}) + std::string(908, '\0') + Bytes({0x01}) + std::string(3183, '\0')),
              Hex(second.Bytes()));
}

TEST(JetWriterBytes, SameDescriptionSameBytes)
{
    JetDatabase database(JetVersion::Jet4);
    database.AddTable("T") = SmallTable();
    std::string first = JetFileWriter(database).Bytes();
    EXPECT_EQ(first, JetFileWriter(database).Bytes());
    // Page 0 holds the creation date in Jet 4; the catalog's rows hold it in both versions.
    database.SetCreated(COleDateTime(2024, 5, 6, 7, 8, 9));
    std::string second = JetFileWriter(database).Bytes();
    EXPECT_NE(first.substr(0, 4096), second.substr(0, 4096));
    EXPECT_EQ(first.size(), second.size());
}

INSTANTIATE_TEST_SUITE_P(Versions, JetWriterReadBack, testing::Values(JetVersion::Jet3, JetVersion::Jet4),
                         [](const auto& info) { return info.param == JetVersion::Jet3 ? "Jet3" : "Jet4"; });

// Every kind of value reads back through the library; the header tells version, plain pages, CP932;
// the programs see the tables, the schema and the rows.
TEST_P(JetWriterReadBack, EveryKindReadsBackThroughTheLibraryAndThePrograms)
{
    JetDatabase database(GetParam());
    AddKindsTable(database);
    database.AddTable("空表").AddColumn("コード", JetColumnType::Long);
    std::string file = Write(database);
    EXPECT_EQ(ExpectedRows("kinds"), ReadTable(file, u8"属性表"));
    EXPECT_EQ(GetParam() == JetVersion::Jet3 ? "0 0 932 1041 " : "1 0 932 1041 ", Header(file));
    EXPECT_EQ(GetParam() == JetVersion::Jet3 ? "JET3\n" : "JET4\n", RunTool("mdb-ver", {file}));
    EXPECT_EQ(u8"属性表\n空表\n", RunTool("mdb-tables", {"-1", file}));
    EXPECT_EQ(u8"MSysObjects\nMSysQueries\n属性表\n空表\n", RunTool("mdb-tables", {"-1", "-S", file}));
    std::string schema = RunTool("mdb-schema", {"-T", u8"属性表", file, "access"});
    EXPECT_NE(std::string::npos, schema.find(ReadFileBytes(DataPath("tools/kinds_schema.txt")))) << schema;
    EXPECT_EQ("0\n", RunTool("mdb-count", {file, u8"空表"}));
}

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
    EXPECT_EQ(GetParam() == JetVersion::Jet3 ? 11 : 8, CountPagesTagged(bytes, Format(), 1, std::string("\x04\0\0\0", 4)));
}

// Memos in the row, in a long-value row, in chains of pages (in Jet 3 a 表 straddles a seam).
TEST_P(JetWriterReadBack, MemosOfEveryLengthReadBackWhole)
{
    bool jet3 = GetParam() == JetVersion::Jet3;
    const size_t oneRow = static_cast<size_t>(Format().MaxRowSize()); // 2036 or 4080 bytes
    // Jet 4 stores two bytes per character, Jet 3 two per kanji: 64 bytes in the row; 65 or 66 in a
    // long-value row; a whole page; two pages (in Jet 3 表 split at byte 2032); three pages.
    std::vector<std::pair<std::string, std::string>> memos; // CP932, UTF-8
    const std::vector<std::pair<std::string, size_t>> jet3Memos = {{"", 32}, {"a", 32}, {"aa", (oneRow - 2) / 2}, {"a", oneRow / 2}, {"aa", 2999}};
    const std::vector<std::pair<std::string, size_t>> jet4Memos = {{"", 32}, {"a", 32}, {"", oneRow / 2}, {"a", oneRow / 2}, {"", 6000}};
    for (const auto& [head, kanji] : jet3 ? jet3Memos : jet4Memos)
        memos.emplace_back(head + Repeat("表", kanji), head + Repeat(u8"表", kanji));
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
    table.AddColumn("ID", JetColumnType::Long) .AddColumn("A", JetColumnType::Text, 255) .AddColumn("B", JetColumnType::Text, 255) .AddColumn("C", JetColumnType::Text, 255) .AddColumn("M", JetColumnType::Memo);
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

// A table past a usage map row's inline bitmap (512 or 1024 pages) gets bitmap pages.
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

TEST(JetWriterRefusal, ValuesAColumnCannotHoldLeaveTheTableUnchanged)
{
    JetTable table = KindsTable();
    auto row = [](JetValue y, JetValue b, JetValue s, JetValue l) {
        return std::vector<JetValue>{y, b, s, l, JetValue::Real(1), JetValue::Text("a"), JetValue::Bytes("x")};
    };
    const JetValue one = JetValue::Integer(1);
    EXPECT_EQ("table T, column Y: a Yes/No column cannot hold NULL",
              Refusal([&] { table.AddRow(row(JetValue(), one, one, one)); }));
    EXPECT_EQ("table T, column B: a byte column takes 0 to 255",
              Refusal([&] { table.AddRow(row(one, JetValue::Integer(256), one, one)); }));
    for (const auto& values :
         {row(one, JetValue::Integer(-1), one, one), row(one, one, JetValue::Integer(32768), one),
          row(one, one, JetValue::Integer(-32769), one), row(one, one, one, JetValue::Integer(2147483648LL))})
        EXPECT_NE("", Refusal([&] { table.AddRow(values); }));
    EXPECT_EQ("table T, column L: a long column takes a 32-bit integer",
              Refusal([&] { table.AddRow(row(one, one, one, JetValue::Text("1"))); }));
    EXPECT_EQ("table T: a row of 1 values for 7 columns", Refusal([&] { table.AddRow({one}); }));
    EXPECT_EQ("an invalid date", Refusal([] { JetValue::Date(COleDateTime(2024, 2, 30, 0, 0, 0)); }));
    COleDateTime noDate;
    noDate.SetStatus(COleDateTime::null);
    EXPECT_TRUE(JetValue::Date(noDate).IsNull());
    EXPECT_TRUE(table.Rows().empty());

    table.AddRow(row(one, JetValue::Integer(255), JetValue::Integer(-32768), JetValue::Integer(-2147483647 - 1)));
    EXPECT_EQ(1u, table.Rows().size());
    EXPECT_EQ("table T: column Z added after rows", Refusal([&] { table.AddColumn("Z", JetColumnType::Long); }));
}

TEST(JetWriterRefusal, BadColumnsAndNames)
{
    JetTable table("T");
    table.AddColumn("名称", JetColumnType::Text, 255);
    EXPECT_EQ("table T: duplicate column 名称", Refusal([&] { table.AddColumn("名称", JetColumnType::Long); }));
    table.AddColumn("Code", JetColumnType::Long);
    // Jet ignores case; a text takes 1 to 255 characters; a column has a name.
    using Column = std::tuple<const char*, JetColumnType, int>;
    for (const auto& [name, type, size] :
         {Column("CODE", JetColumnType::Long, 0), Column("T0", JetColumnType::Text, 0),
          Column("T256", JetColumnType::Text, 256), Column("", JetColumnType::Long, 0)})
        EXPECT_NE("", Refusal([&] { table.AddColumn(name, type, size); }));
    EXPECT_EQ(2u, table.Columns().size());

    JetDatabase database(JetVersion::Jet4);
    database.AddTable("属性表");
    EXPECT_EQ("the name 属性表 is taken", Refusal([&] { database.AddTable("属性表"); }));
    EXPECT_NE("", Refusal([&] { database.AddQuery(JetQuery::Select("属性表", "属性表", {"*"}, "", {})); }));
    EXPECT_EQ("the name msysACEs is kept for the catalog", Refusal([&] { database.AddTable("msysACEs"); }));
    EXPECT_EQ(1u, database.Tables().size());
    EXPECT_TRUE(database.Queries().empty());
}

// Jet 4 counts a text column's size in characters, Jet 3 in CP932 bytes.
TEST(JetWriterRefusal, TextLongerThanItsColumnInEachVersion)
{
    for (auto [version, text, bytes, refusal] :
         {std::tuple{JetVersion::Jet3, "表表表", "ab", "table T, column N: 6 units for a size of 5"},
          std::tuple{JetVersion::Jet4, "表表表表表", "ab", ""},
          std::tuple{JetVersion::Jet4, "表表表表表", "abc", "table T, column X: 3 units for a size of 2"}}) {
        JetDatabase database(version);
        database.AddTable("T").AddColumn("N", JetColumnType::Text, 5).AddColumn("X", JetColumnType::Binary, 2).AddRow(
            {JetValue::Text(text), JetValue::Bytes(bytes)});
        EXPECT_EQ(refusal, Refusal([&] { JetFileWriter(database).Bytes(); }));
    }
}

TEST(JetWriterRefusal, RowsAndDefinitionsLargerThanAPage)
{
    // Nine full 255-byte texts make a Jet 3 row of over 2036 bytes.
    JetDatabase wide(JetVersion::Jet3);
    JetTable& table = wide.AddTable("T");
    std::vector<JetValue> row;
    for (int i = 0; i < 9; ++i) {
        table.AddColumn("C" + std::to_string(i), JetColumnType::Text, 255);
        row.push_back(JetValue::Text(std::string(255, 'x')));
    }
    table.AddRow(row);
    EXPECT_NE(std::string::npos, Refusal([&] { JetFileWriter(wide).Bytes(); }).find("does not fit a page"));

    // 120 column entries of 18 bytes are more than a 2048-byte Jet 3 page.
    JetDatabase many(JetVersion::Jet3);
    JetTable& manyColumns = many.AddTable("M");
    for (int i = 0; i < 120; ++i)
        manyColumns.AddColumn("C" + std::to_string(i), JetColumnType::Long);
    EXPECT_EQ("table M: the definition does not fit a page", Refusal([&] { JetFileWriter(many).Bytes(); }));
}

TEST(JetWriterRefusal, FailedWriteLeavesNoFile)
{
    testsupport::TempFolder folder;
    JetDatabase database(JetVersion::Jet4);
    database.AddTable("T").AddColumn("N", JetColumnType::Text, 1).AddRow({JetValue::Text("ab")});
    std::string path = folder.Path("t.mdb");
    EXPECT_THROW(JetFileWriter(database).WriteFile(path), std::invalid_argument);
    EXPECT_THROW(JetFileWriter(JetDatabase(JetVersion::Jet4)).WriteFile(folder.Path("missing/t.mdb")),
                 std::runtime_error);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
}
