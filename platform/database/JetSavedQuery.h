// A saved query of an Access file, rebuilt as Jet SQL from its rows in the catalog's query table
// (MSysQueries): one row per element of the query's design, told apart by Attribute, read as
// mdbtools' mdb-queries reads them. Only select queries are rebuilt.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct JetSavedQueryRow {
    int attribute = 0;
    std::optional<int> flag;
    std::string expression; // UTF-8; empty for NULL, as for the names
    std::string name1;
    std::string name2;
};

class JetSavedQuery {
public:
    // The Jet SQL (UTF-8) of the select query that rows describe, in the order of the file, or
    // empty with reason (CP932) telling why the query cannot be rebuilt.
    static std::string Sql(const std::vector<JetSavedQueryRow>& rows, std::string& reason);
};
