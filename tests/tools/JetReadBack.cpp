#include "tests/tools/JetReadBack.h"

#include "tests/support/CommandOutput.h"
#include "tests/support/KeyedLines.h"

#include "tools/jetwriter/JetFileWriter.h"

#include <mdbtools.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace jetreadback {

namespace {

constexpr size_t kBindSize = 1 << 20; // room for the longest memo of the tests

// Jet 3 files of this system hold CP932 text; libmdb reads the settings when a file is opened.
void SetReaderEnvironment()
{
    setenv("MDB_JET3_CHARSET", "CP932", 1);
    setenv("MDBICONV", "UTF-8", 1);
}

std::string ShellQuote(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

// The values of the row that mdb_fetch_row has just read, from the page it is on.
Row CurrentRow(MdbHandle* mdb, MdbTableDef* table, const std::vector<std::string>& bound,
               const std::vector<int>& lengths)
{
    int start = 0;
    size_t size = 0;
    mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size);
    std::vector<MdbField> fields(table->num_cols);
    mdb_crack_row(table, start, size, fields.data());
    Row row;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (column->col_type == MDB_BOOL)
            row.emplace_back(bound[i].c_str());
        else if (fields[i].is_null)
            row.emplace_back(std::nullopt);
        else if (column->col_type == MDB_BINARY)
            row.emplace_back(std::string(reinterpret_cast<const char*>(mdb->pg_buf) + fields[i].start,
                                         static_cast<size_t>(fields[i].siz)));
        else
            row.emplace_back(bound[i].substr(0, static_cast<size_t>(lengths[i])));
    }
    return row;
}

} // namespace

std::string RunTool(const std::string& program, const std::vector<std::string>& arguments)
{
    SetReaderEnvironment();
    std::string command = program;
    for (const std::string& argument : arguments)
        command += " " + ShellQuote(argument);
    return testsupport::CommandOutput(command + " 2>/dev/null");
}

std::vector<Row> ExpectedRows(const std::string& key)
{
    std::vector<Row> rows;
    std::map<std::string, std::vector<std::string>> lines = testsupport::ReadKeyedLines("tools/readback_rows.txt");
    for (const std::string& line : lines[key]) {
        Row row;
        for (size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = line.find('\t', start);
            std::string value = line.substr(start, end == std::string::npos ? end : end - start);
            row.push_back(value == "\\N" ? Value() : Value(value));
        }
        rows.push_back(row);
    }
    return rows;
}

std::vector<Row> ReadTable(const std::string& file, const std::string& tableUtf8)
{
    SetReaderEnvironment();
    std::unique_ptr<MdbHandle, MdbCloser> mdb(mdb_open(file.c_str(), MDB_NOFLAGS));
    if (!mdb)
        throw std::runtime_error("mdb_open failed on " + file);
    mdb_set_date_fmt(mdb.get(), "%Y-%m-%d %H:%M:%S");
    mdb_set_bind_size(mdb.get(), kBindSize);
    if (!mdb_read_catalog(mdb.get(), MDB_ANY))
        throw std::runtime_error("mdb_read_catalog failed on " + file);
    std::string name = tableUtf8;
    std::unique_ptr<MdbTableDef, TableFreer> table(mdb_read_table_by_name(mdb.get(), &name[0], MDB_TABLE));
    if (!table)
        throw std::runtime_error("no table " + tableUtf8 + " in " + file);
    mdb_read_columns(table.get());
    mdb_rewind_table(table.get());

    std::vector<std::string> bound(table->num_cols, std::string(kBindSize, '\0'));
    std::vector<int> lengths(table->num_cols);
    for (unsigned i = 0; i < table->num_cols; ++i)
        mdb_bind_column(table.get(), static_cast<int>(i) + 1, &bound[i][0], &lengths[i]);
    std::vector<Row> rows;
    while (mdb_fetch_row(table.get()))
        rows.push_back(CurrentRow(mdb.get(), table.get(), bound, lengths));
    return rows;
}

HeaderFields ReadHeader(const std::string& file)
{
    SetReaderEnvironment();
    std::unique_ptr<MdbHandle, MdbCloser> mdb(mdb_open(file.c_str(), MDB_NOFLAGS));
    if (!mdb)
        throw std::runtime_error("mdb_open failed on " + file);
    return {mdb->f->jet_version, mdb->f->db_key, mdb->f->code_page, mdb->f->lang_id};
}

std::string PageOf(const std::string& fileBytes, int pageSize, size_t number)
{
    return fileBytes.substr(number * static_cast<size_t>(pageSize), static_cast<size_t>(pageSize));
}

} // namespace jetreadback
