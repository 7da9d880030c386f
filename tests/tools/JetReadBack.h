// Reading the Jet writer's files back with mdbtools: its programs, and its library as the database
// layer reads a file. Jet 3 text is read as CP932 and everything comes out as UTF-8.
#pragma once

#include "tools/jetwriter/JetDatabase.h"

#include <optional>
#include <string>
#include <vector>

namespace jetreadback {

// The standard output of an mdbtools program, each argument passed as one word.
std::string RunTool(const std::string& program, const std::vector<std::string>& arguments);

// A value as libmdb gives it: nullopt for NULL; else its text (dates as "%Y-%m-%d %H:%M:%S", Yes/No
// as "1" or "0"), or the stored bytes of a binary column, which libmdb does not render.
using Value = std::optional<std::string>;
using Row = std::vector<Value>;

// Every row of a table, read through mdb_open, mdb_read_catalog, mdb_read_table and mdb_fetch_row.
// A value's NULL state is taken from the row as mdb_crack_row splits it, since bound values do not
// tell NULL from empty text. Throws std::runtime_error if the file or table does not open.
std::vector<Row> ReadTable(const std::string& file, const std::string& tableUtf8);

// The rows of a key in tests/data/tools/readback_rows.txt.
std::vector<Row> ExpectedRows(const std::string& key);

// What libmdb reads from page 0, its masked part unmasked.
struct HeaderFields {
    unsigned version;
    unsigned pageKey; // 0: the pages are not encrypted
    unsigned codePage;
    unsigned sortOrder;
};
HeaderFields ReadHeader(const std::string& file);

// The bytes of page `number` of a file's bytes.
std::string PageOf(const std::string& fileBytes, int pageSize, size_t number);

} // namespace jetreadback
