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

// The values of a table's row with the text column of that name set to text, as a user's edit
// gives them to JetTable::MoveRow.
std::vector<JetValue> WithText(const JetTable& table, size_t row, const std::string& column, const std::string& text);
