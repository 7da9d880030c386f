// What the format cannot hold is refused with a message naming the place, and no file is left.
#include "tests/support/TempFolder.h"
#include "tests/tools/JetReadBack.h"

#include "tools/jetwriter/JetFileWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

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
    table.AddColumn("Y", JetColumnType::Bool)
        .AddColumn("B", JetColumnType::Byte)
        .AddColumn("S", JetColumnType::Short)
        .AddColumn("L", JetColumnType::Long)
        .AddColumn("D", JetColumnType::DateTime)
        .AddColumn("N", JetColumnType::Text, 5)
        .AddColumn("X", JetColumnType::Binary, 2);
    return table;
}

} // namespace

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
    for (JetVersion version : {JetVersion::Jet3, JetVersion::Jet4}) {
        JetDatabase database(version);
        JetTable& table = database.AddTable("T");
        table.AddColumn("N", JetColumnType::Text, 5).AddColumn("X", JetColumnType::Binary, 2);
        table.AddRow({JetValue::Text("表表表"), JetValue::Bytes("ab")});
        std::string refusal = Refusal([&] { JetFileWriter(database).Bytes(); });
        EXPECT_EQ(version == JetVersion::Jet3 ? "table T, column N: 6 units for a size of 5" : "", refusal);
    }
    JetDatabase database(JetVersion::Jet4);
    JetTable& table = database.AddTable("T");
    table.AddColumn("N", JetColumnType::Text, 5).AddColumn("X", JetColumnType::Binary, 2);
    table.AddRow({JetValue::Text("表表表表表"), JetValue::Bytes("abc")});
    EXPECT_EQ("table T, column X: 3 units for a size of 2", Refusal([&] { JetFileWriter(database).Bytes(); }));
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
