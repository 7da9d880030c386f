// Access files for the suites that run over SQLite and Access files alike: a SQLite test
// database copied into the description of a Jet file.
#pragma once

#include "tools/jetwriter/JetDatabase.h"

#include <string>
#include <vector>

// Adds every table of the SQLite database file at sqlitePath (a Linux path) to database, in the
// file's order, with its columns (by their declared types) and its rows.
void AddSqliteTables(JetDatabase& database, const std::string& sqlitePath);

// Writes database at path, a Linux path.
void WriteJetFile(const JetDatabase& database, const std::string& path);

// A change to a table's rows after they were stored, as a user makes it: the row at a place in
// the table's first order given a new text in one column, or, without a column, deleted. An
// Access file keeps such an update as Access does with a row that grew beyond its page's room:
// moved to another page, with a pointer in its place.
struct RowEdit {
    std::string table; // UTF-8
    size_t row;
    std::string column; // UTF-8; empty to delete the row
    std::string text;   // UTF-8
};

// Makes the edits, in order, in the SQLite database file at sqlitePath (a Linux path).
void EditSqliteRows(const std::string& sqlitePath, const std::vector<RowEdit>& edits);
// Makes the edits, in order, in the description of an Access file.
void EditJetRows(JetDatabase& database, const std::vector<RowEdit>& edits);
