// The description of a Jet file to write: its version, its tables and its saved queries.
#pragma once

#include "tools/jetwriter/JetFormat.h"
#include "tools/jetwriter/JetQuery.h"
#include "tools/jetwriter/JetTable.h"

#include "platform/core/COleDateTime.h"

#include <deque>
#include <string>

class JetDatabase {
public:
    explicit JetDatabase(JetVersion version);

    // Adds an empty table and returns it; the reference stays valid as more are added. Throws
    // std::invalid_argument for a name already taken by a table or query (case ignored) or one
    // starting with "MSys", which the catalog's own tables use.
    JetTable& AddTable(std::string name);
    // The table of that name (case ignored), to change; throws std::invalid_argument for none.
    JetTable& Table(const std::string& name);
    // Adds a saved query; names are checked as for tables.
    void AddQuery(JetQuery query);

    // The creation and update time recorded in the catalog; fixed by default, so that the same
    // description always gives the same bytes.
    void SetCreated(const COleDateTime& created) { created_ = created; }

    JetVersion Version() const { return version_; }
    const std::deque<JetTable>& Tables() const { return tables_; }
    const std::deque<JetQuery>& Queries() const { return queries_; }
    const COleDateTime& Created() const { return created_; }

private:
    void CheckNewName(const std::string& name) const;

    JetVersion version_;
    std::deque<JetTable> tables_;
    std::deque<JetQuery> queries_;
    COleDateTime created_{2000, 1, 1, 0, 0, 0};
};
