// Access files made from SQLite databases, for the test suites that run over both and for the
// benchmarks: a SQLite database copied into the description of a Jet file.
#pragma once

#include "tools/jetwriter/JetDatabase.h"

#include <string>

// Adds every table of the SQLite database file at sqlitePath (a Linux path) to database, in the
// file's order, with its columns (by their declared types) and its rows.
void AddSqliteTables(JetDatabase& database, const std::string& sqlitePath);

// Writes database at path, a Linux path.
void WriteJetFile(const JetDatabase& database, const std::string& path);
