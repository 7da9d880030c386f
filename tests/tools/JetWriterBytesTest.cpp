// The writer's bytes against layouts worked out by hand from the format notes.
#include "tests/support/TestSupport.h"

#include "tools/jetwriter/JetDataPage.h"
#include "tools/jetwriter/JetFileWriter.h"
#include "tools/jetwriter/JetRowEncoder.h"
#include "tools/jetwriter/JetTableDefinition.h"
#include "tools/jetwriter/JetUsageMap.h"

using namespace testsupport;

namespace {

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
    table.AddColumn("ID", JetColumnType::Long)
        .AddColumn("OK", JetColumnType::Bool)
        .AddColumn("N", JetColumnType::Text, 10)
        .AddColumn("M", JetColumnType::Memo);
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

// The fixture followed by zeros to the page's end.
std::string ZeroFilled(const std::string& head, int pageSize)
{
    return head + std::string(static_cast<size_t>(pageSize) - head.size(), '\0');
}

} // namespace

TEST(JetWriterBytes, RowsOfEveryPartInBothVersions)
{
    EXPECT_EQ(Hex(ReadHexFixture("tools/jet4_rows.hex")), Hex(EncodedRows(JetVersion::Jet4, SmallTable())));
    EXPECT_EQ(Hex(ReadHexFixture("tools/jet3_rows.hex")), Hex(EncodedRows(JetVersion::Jet3, SmallTable())));
}

// Jet 3 offsets are one byte; a jump entry names the first offset (the end of data last) at or past
// each further 256 bytes, 0xFF where none is, one entry per whole 256 bytes of the row's size.
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

TEST(JetWriterBytes, TableDefinitionPages)
{
    EXPECT_EQ(Hex(ZeroFilled(ReadHexFixture("tools/jet4_tdef.hex"), 4096)),
              Hex(Definition(JetVersion::Jet4, SmallTable())));
    EXPECT_EQ(Hex(ZeroFilled(ReadHexFixture("tools/jet3_tdef.hex"), 2048)),
              Hex(Definition(JetVersion::Jet3, SmallTable())));
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
