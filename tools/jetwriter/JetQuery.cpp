#include "tools/jetwriter/JetQuery.h"

#include <stdexcept>
#include <utility>

JetQuery::JetQuery(std::string name, std::vector<JetQueryRow> rows) : name_(std::move(name)), rows_(std::move(rows))
{
    if (name_.empty())
        throw std::invalid_argument("a query needs a name");
}

JetQuery JetQuery::Select(std::string name, const std::string& table, const std::vector<std::string>& columns,
                          const std::string& where, const std::vector<JetOrderTerm>& orderBy)
{
    std::vector<JetQueryRow> rows;
    rows.push_back({kJetQueryBegin, {}, {}, {}, {}});
    rows.push_back({kJetQueryType, kJetQuerySelect, {}, {}, {}});
    rows.push_back({kJetQueryOptions, 0, {}, {}, {}});
    rows.push_back({kJetQueryTable, {}, {}, table, {}});
    for (const std::string& column : columns)
        rows.push_back({kJetQueryColumn, {}, column, {}, {}});
    if (!where.empty())
        rows.push_back({kJetQueryWhere, {}, where, {}, {}});
    for (const JetOrderTerm& term : orderBy) {
        std::optional<std::string> direction;
        if (term.descending)
            direction = "D";
        rows.push_back({kJetQueryOrderBy, {}, term.expression, direction, {}});
    }
    rows.push_back({kJetQueryEnd, {}, {}, {}, {}});
    return JetQuery(std::move(name), std::move(rows));
}
