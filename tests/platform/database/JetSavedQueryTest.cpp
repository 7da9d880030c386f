// Saved queries rebuilt from the rows that Access keeps for their design.
#include "platform/database/JetSavedQuery.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<JetSavedQueryRow>;

JetSavedQueryRow Row(int attribute, std::optional<int> flag = {}, std::string expression = {}, std::string name1 = {},
                     std::string name2 = {})
{
    return {attribute, flag, expression, name1, name2};
}

const JetSavedQueryRow begin = Row(0);
const JetSavedQueryRow select = Row(1, 1);
const JetSavedQueryRow end = Row(255);

std::string Rebuilt(const Rows& rows)
{
    std::string reason;
    std::string sql = JetSavedQuery::Sql(rows, reason);
    EXPECT_EQ("", reason);
    return sql;
}

TEST(JetSavedQuery, RebuildsAliasesJoinsConditionsGroupingAndOrder)
{
    Rows rows = {begin,
                 select,
                 Row(3, 0x2),
                 Row(5, {}, "", "TodoufukenTbl", "T"),
                 Row(5, {}, "", "AppChiikiShiteiTbl", "C"),
                 Row(6, {}, "[T].[Todoufuken]"),
                 Row(6, {}, "Count(*)", "Kensuu"),
                 Row(7, 2, "[T].[TodoufukenBangou] = [C].[TodoufukenBangou]", "T", "C"),
                 Row(8, {}, "[C].[ShokiSentakuFlg] = True"),
                 Row(9, {}, "[T].[Todoufuken]"),
                 Row(10, {}, "Count(*) > 1"),
                 Row(11, {}, "[T].[Todoufuken]", "D"),
                 Row(11, {}, "Count(*)"),
                 end};
    EXPECT_EQ("SELECT DISTINCT [T].[Todoufuken], Count(*) AS [Kensuu] FROM [TodoufukenTbl] AS [T] LEFT JOIN "
              "[AppChiikiShiteiTbl] AS [C] ON [T].[TodoufukenBangou] = [C].[TodoufukenBangou] WHERE "
              "[C].[ShokiSentakuFlg] = True GROUP BY [T].[Todoufuken] HAVING Count(*) > 1 ORDER BY [T].[Todoufuken] "
              "DESC, Count(*)",
              Rebuilt(rows));
}

// A join whose right side is already a join is nested in parentheses; all fields and TOP carry over.
TEST(JetSavedQuery, NestsJoinsAndKeepsAllFieldsAndTop)
{
    Rows rows = {begin,
                 select,
                 Row(3, 0x1 | 0x10, "", "5"),
                 Row(5, {}, "", "A"),
                 Row(5, {}, "", "B"),
                 Row(5, {}, "", "C"),
                 Row(6, {}, "[C].[Mei]", "CMei"),
                 Row(7, 1, "[B].[k] = [C].[k]", "B", "C"),
                 Row(7, 3, "[A].[k] = [B].[k]", "a", "b"),
                 end};
    EXPECT_EQ("SELECT *, [C].[Mei] AS [CMei] FROM [A] RIGHT JOIN ([B] INNER JOIN [C] ON [B].[k] = [C].[k]) ON "
              "[A].[k] = [B].[k] LIMIT 5",
              Rebuilt(rows));
    // Over one table DISTINCTROW changes nothing, and owner access is a matter of permissions.
    EXPECT_EQ("SELECT [Mei] FROM [A]", Rebuilt({select, Row(3, 0x8 | 0x4), Row(5, {}, "", "A"), Row(6, {}, "[Mei]")}));
}

TEST(JetSavedQuery, GivesTheReasonForWhatItCannotRebuild)
{
    const JetSavedQueryRow table = Row(5, {}, "", "A");
    const JetSavedQueryRow column = Row(6, {}, "[x]");
    struct Case {
        Rows rows;
        std::string reason;
    };
    const Case cases[] = {
        {{}, "定義がありません"},
        {{begin, Row(1, 2), table, column, end}, "選択クエリではありません"},
        {{begin, table, column, end}, "選択クエリではありません"},
        {{select, Row(2, 10, "", "[開始日]"), table, column}, "パラメータ クエリです"},
        {{select, Row(4, {}, "", "Dest"), table, column}, "扱えない要素があります (Attribute 4)"},
        {{select, Row(3, 0x10 | 0x20, "", "10"), table, column}, "クエリのオプションを扱えません"},
        {{select, Row(3, 0x10, "", "ten"), table, column}, "クエリのオプションを扱えません"},
        {{select, Row(3, 0x8), table, Row(5, {}, "", "B"), column, Row(7, 1, "[A].[k] = [B].[k]", "A", "B")},
         "結合した DISTINCTROW は扱えません"},
        {{select, table, Row(5, {}, "", "B"), column, Row(7, 1, "[A].[k] = [X].[k]", "A", "X")},
         "結合を組み立てられません"},
        {{select, table, Row(5, {}, "", "B"), column, Row(7, 9, "[A].[k] = [B].[k]", "A", "B")},
         "結合を組み立てられません"},
        {{select, Row(5, {}, "SELECT 1", ""), column}, "FROM 句を組み立てられません"},
        {{select, column}, "FROM 句がありません"},
        {{select, table}, "列がありません"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_EQ("", JetSavedQuery::Sql(c.rows, reason));
        EXPECT_EQ(c.reason, reason);
    }
}

} // namespace
