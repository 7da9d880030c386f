// Rows of a SQLite database file read through SQLite itself, past the database classes, so that
// a test sees what other programs reading the file see: a null as null, not as the 0 or ""
// that a recordset's member gives for it.
#pragma once

#include <string>
#include <vector>

namespace testsupport {

// The rows of a query on the file at a Linux path, each as its cells joined by "|": numbers in
// decimal, texts as stored (UTF-8), a null as "NULL". Throws std::runtime_error when the file
// cannot be opened or the query fails.
std::vector<std::string> SqliteRows(const std::string& path, const std::string& sql);

} // namespace testsupport
