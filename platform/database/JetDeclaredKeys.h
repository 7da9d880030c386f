// The keys and indexes that the program's own database schemas declare, given as indexes to the
// tables of the same names that are imported from Access files: an Access file's import holds
// only rows, and a lookup by key in a table without an index reads the whole table. The indexes
// change no result, only how fast a lookup by key is; they are not unique, so an Access file
// whose rows break a key still imports.
#pragma once

#include <string>
#include <vector>

namespace JetDeclaredKeys {

// Takes note of the keys of every table of a schema (SQLite SQL, UTF-8): its primary key, its
// unique constraints and its indexes, each as a list of column names.
void Declare(const std::string& schema);

// The keys declared for a table (its name compared without case), in the order declared.
std::vector<std::vector<std::string>> Of(const std::string& table);

} // namespace JetDeclaredKeys
