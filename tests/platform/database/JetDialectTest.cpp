// The Jet dialect carried over to SQLite (its texts are among the text functions' cases).
#include "platform/database/DaoConstants.h"
#include "platform/database/JetDialect.h"
#include "tests/support/TestSupport.h"

namespace {

TEST(JetDialect, DeclaresEachFieldTypeSoThatItCanBeReadBackAndLeavesOutAnEmptyFilterAndSort)
{
    EXPECT_EQ("SELECT * FROM \"T\"", JetDialect::Filtered("SELECT * FROM \"T\"", nullptr, " "));
    EXPECT_EQ("VARCHAR(60) COLLATE NOCASE", JetDialect::ColumnDefinition(dbText, 60));
    EXPECT_EQ("BIT NOT NULL DEFAULT 0", JetDialect::ColumnDefinition(dbBoolean, 0));
    EXPECT_EQ("INTEGER NOT NULL DEFAULT -1", JetDialect::ColumnDefinition(dbLong, 0, true, "-1"));
    EXPECT_EQ("", JetDialect::ColumnDefinition(15, 16));
    struct Case {
        int type;
        LONG size;
        LONG expectedSize;
    };
    const Case cases[] = {{dbBoolean, 0, 1},  {dbByte, 0, 1},   {dbInteger, 0, 2},    {dbLong, 0, 4},
                          {dbCurrency, 0, 8}, {dbSingle, 0, 4}, {dbDouble, 0, 8},     {dbDate, 0, 8},
                          {dbText, 60, 60},   {dbText, 0, 255}, {dbLongBinary, 0, 0}, {dbMemo, 0, 0}};
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
