#include "tests/support/SqliteRows.h"

#include <memory>
#include <stdexcept>

#include <sqlite3.h>

namespace testsupport {

std::vector<std::string> SqliteRows(const std::string& path, const std::string& sql)
{
    sqlite3* opened = nullptr;
    int result = sqlite3_open_v2(path.c_str(), &opened, SQLITE_OPEN_READONLY, nullptr);
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> database(opened, sqlite3_close);
    sqlite3_stmt* prepared = nullptr;
    if (result == SQLITE_OK)
        result = sqlite3_prepare_v2(database.get(), sql.c_str(), -1, &prepared, nullptr);
    std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> statement(prepared, sqlite3_finalize);
    std::vector<std::string> rows;
    while (result == SQLITE_OK || result == SQLITE_ROW) {
        result = sqlite3_step(statement.get());
        if (result != SQLITE_ROW)
            break;
        std::string row;
        for (int column = 0; column < sqlite3_column_count(statement.get()); ++column) {
            const unsigned char* text = sqlite3_column_text(statement.get(), column);
            bool null = sqlite3_column_type(statement.get(), column) == SQLITE_NULL;
            row += (column ? "|" : "") + std::string(null ? "NULL" : text ? reinterpret_cast<const char*>(text) : "");
        }
        rows.push_back(row);
    }
    if (result != SQLITE_DONE)
        throw std::runtime_error(path + ": " + (database ? sqlite3_errmsg(database.get()) : "cannot be opened"));
    return rows;
}

} // namespace testsupport
