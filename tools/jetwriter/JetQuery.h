// A saved query, given as the rows that describe it in the catalog's query table (one row per
// clause element, told apart by Attribute), as Jet keeps a query's design.
#pragma once

#include <optional>
#include <string>
#include <vector>

// The Attribute values of the query rows that the writer's simple SELECT uses.
enum JetQueryAttribute {
    kJetQueryBegin = 0,
    kJetQueryType = 1,     // Flag: the kind of query
    kJetQueryOptions = 3,  // Flag: DISTINCT and the like, 0 for none
    kJetQueryTable = 5,    // Name1: a table of the FROM clause, Name2: its alias
    kJetQueryColumn = 6,   // Expression: an output column, Name1: its alias
    kJetQueryWhere = 8,    // Expression: the condition
    kJetQueryOrderBy = 11, // Expression: a sort key, Name1: "D" when descending
    kJetQueryEnd = 255,
};

// Flag of the kJetQueryType row of a SELECT query.
constexpr int kJetQuerySelect = 1;

// One row of the query table; a field left empty is stored as NULL.
struct JetQueryRow {
    int attribute;
    std::optional<int> flag;
    std::optional<std::string> expression;
    std::optional<std::string> name1;
    std::optional<std::string> name2;
};

struct JetOrderTerm {
    std::string expression;
    bool descending = false;
};

class JetQuery {
public:
    JetQuery(std::string name, std::vector<JetQueryRow> rows);

    // SELECT columns FROM table [WHERE where] [ORDER BY orderBy]: names and expressions in Jet's
    // dialect and CP932, e.g. "[名称]". An empty where leaves the clause out.
    static JetQuery Select(std::string name, const std::string& table, const std::vector<std::string>& columns,
                           const std::string& where, const std::vector<JetOrderTerm>& orderBy);

    const std::string& Name() const { return name_; }
    const std::vector<JetQueryRow>& Rows() const { return rows_; }

private:
    std::string name_;
    std::vector<JetQueryRow> rows_;
};
