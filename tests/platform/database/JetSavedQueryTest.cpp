// Saved queries rebuilt from the rows that Access keeps for their design.
#include "platform/database/JetSavedQuery.h"
#include "tests/support/TabbedCases.h"

namespace {

// The cases of tests/data/platform/jet_saved_queries.tsv: the SQL rebuilt (UTF-8), or the reason (CP932).
TEST(JetSavedQuery, RebuildsEachDesignOrGivesTheReasonItCannot)
{
    std::vector<JetSavedQueryRow> rows;
    int cases = 0;
    for (const std::vector<CString>& line : testsupport::ReadTabbedCases("platform/jet_saved_queries.tsv")) {
        std::vector<std::string> f;
        for (const CString& field : line)
            f.push_back(cp932::ToUtf8(field.Bytes()));
        f.resize(5);
        if (f[0] == "=" || f[0] == "!") {
            std::string reason;
            std::string sql = JetSavedQuery::Sql(rows, reason);
            EXPECT_EQ(f[0] == "=" ? f[1] : "", sql) << "case " << cases;
            EXPECT_EQ(f[0] == "!" ? line[1].Bytes() : "", reason) << "case " << cases;
            rows.clear();
            ++cases;
            continue;
        }
        rows.push_back(
            {std::stoi(f[0]), f[1].empty() ? std::nullopt : std::optional<int>(std::stoi(f[1])), f[2], f[3], f[4]});
    }
    EXPECT_EQ(16, cases);
}

} // namespace
