// The catalog tables of a file: MSysObjects, which names every table and query (a table's Id is
// the page of its definition), and MSysQueries, which holds the rows of the saved queries. The
// catalog's definition is always on page 2, where readers look for it.
#pragma once

#include "tools/jetwriter/JetDatabase.h"
#include "tools/jetwriter/JetTable.h"

#include <cstdint>

class JetCatalog {
public:
    static constexpr uint32_t kObjectsPage = 2;
    static constexpr uint32_t kQueriesPage = 3;
    static constexpr uint32_t kFirstUserTablePage = 4;

    // Builds both tables for database, whose user tables get their definitions on consecutive
    // pages from kFirstUserTablePage, in order.
    explicit JetCatalog(const JetDatabase& database);

    const JetTable& Objects() const { return objects_; }
    const JetTable& Queries() const { return queries_; }

private:
    void AddObject(const std::string& name, uint32_t id, int type, int64_t flags, const COleDateTime& created);

    JetTable objects_;
    JetTable queries_;
};
