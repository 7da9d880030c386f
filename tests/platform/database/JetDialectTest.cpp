// The Jet dialect carried over to SQLite (filters and sorts alone are among the text functions' cases).
#include "platform/database/DaoConstants.h"
#include "platform/database/JetDialect.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(JetDialect, OpensNamesAndWrapsFilterAndSortAroundTheSql)
{
    EXPECT_EQ("SELECT * FROM \"AppBukkenKanriTbl\"", JetDialect::Select("[AppBukkenKanriTbl]"));
    EXPECT_EQ("SELECT * FROM \"AppTodoufukenQTbl\"", JetDialect::Select(" AppTodoufukenQTbl ;"));
    EXPECT_EQ("SELECT * FROM AppCheckoutTbl ORDER BY BukkenKeyCode DESC",
              JetDialect::Select("SELECT * FROM AppCheckoutTbl ORDER BY BukkenKeyCode DESC ; "));
    EXPECT_EQ("SELECT * FROM (SELECT * FROM \"T\") WHERE (\"Bangou\"<6) ORDER BY Hyoujijun ASC",
              JetDialect::Filtered("SELECT * FROM \"T\"", "[Bangou]<6", "Hyoujijun ASC"));
    EXPECT_EQ("SELECT * FROM (SELECT * FROM \"T\") ORDER BY Hyoujijun ASC",
              JetDialect::Filtered("SELECT * FROM \"T\"", "", "Hyoujijun ASC"));
    EXPECT_EQ("SELECT * FROM \"T\"", JetDialect::Filtered("SELECT * FROM \"T\"", nullptr, " "));
}

TEST(JetDialect, KeysOnlySelectsOfOneTable)
{
    std::string table, keyed;
    ASSERT_TRUE(
        JetDialect::WithRowId("SELECT * FROM AppShinseishaTbl WHERE Shimei = 'a' ORDER BY Shimei", table, keyed));
    EXPECT_EQ("AppShinseishaTbl", table);
    EXPECT_EQ("SELECT rowid AS \"zn_dao_rowid\", * FROM AppShinseishaTbl WHERE Shimei = 'a' ORDER BY Shimei", keyed);
    ASSERT_TRUE(JetDialect::WithRowId("select * from \"A b\" where x in (select y from B group by y)", table, keyed));
    EXPECT_EQ("A b", table);
    for (const char* select : {"SELECT * FROM A, B", "SELECT * FROM A JOIN B ON A.x = B.x", "SELECT x FROM A",
                               "SELECT * FROM A GROUP BY x",
                               "SELECT * FROM A WHERE x = 1 GROUP BY x", "SELECT * FROM A WHERE x UNION SELECT * FROM B"})
        EXPECT_FALSE(JetDialect::WithRowId(select, table, keyed)) << select;
}

TEST(JetDialect, DeclaresEachFieldTypeSoThatItCanBeReadBack)
{
    EXPECT_EQ("VARCHAR(60) COLLATE NOCASE", JetDialect::ColumnDefinition(dbText, 60));
    EXPECT_EQ("BIT NOT NULL DEFAULT 0", JetDialect::ColumnDefinition(dbBoolean, 0));
    EXPECT_EQ("INTEGER NOT NULL DEFAULT -1", JetDialect::ColumnDefinition(dbLong, 0, true, "-1"));
    EXPECT_EQ("", JetDialect::ColumnDefinition(15, 16));
    struct Case {
        int type;
        LONG size;
        LONG expectedSize;
    };
    const Case cases[] = {{dbBoolean, 0, 1}, {dbByte, 0, 1},    {dbInteger, 0, 2},     {dbLong, 0, 4},
                          {dbCurrency, 0, 8}, {dbSingle, 0, 4}, {dbDouble, 0, 8},      {dbDate, 0, 8},
                          {dbText, 60, 60},  {dbText, 0, 255},  {dbLongBinary, 0, 0}, {dbMemo, 0, 0}};
    for (const Case& c : cases) {
        std::string definition = JetDialect::ColumnDefinition(c.type, c.size);
        std::string declared = definition.substr(0, definition.find(' '));
        int type = 0;
        LONG size = -1;
        ASSERT_TRUE(JetDialect::ParseDeclaredType(declared, type, size)) << definition;
        EXPECT_EQ(c.type, type) << definition;
        EXPECT_EQ(c.expectedSize, size) << definition;
    }
    int type = 0;
    LONG size = 0;
    EXPECT_FALSE(JetDialect::ParseDeclaredType("TEXT", type, size));
    EXPECT_FALSE(JetDialect::ParseDeclaredType("VARCHAR(256)", type, size));
}

} // namespace
