// The Jet dialect of the system's SQL, carried over to SQLite. The system writes Jet SQL in
// CP932; SQLite receives UTF-8 with:
//  - [names] as "names", Jet's double-quoted strings as single-quoted ones;
//  - True and False as -1 and 0, the values that Yes/No columns hold;
//  - a LIKE pattern's * and ? as % and _ (other pattern characters literal);
//  - text compared without case through the NOCASE collation of every text column, which the
//    column definitions below declare.
// The column definitions map each DAO field type to a declared type that both gives SQLite the
// right affinity and names the DAO type again, so that a table's fields can be described.
#pragma once

#include "platform/core/WinTypes.h"

#include <string>

class JetDialect {
public:
    // A Jet SQL statement, filter or sort text in SQLite's dialect.
    static std::string Translate(LPCTSTR jetText);
    // The same for Jet text that is already UTF-8, such as a saved query read from an Access file.
    static std::string TranslateUtf8(const std::string& jetText);

    // What a recordset opens: a bare table or query name becomes "SELECT * FROM name"; an SQL
    // statement is translated, without a trailing semicolon.
    static std::string Select(LPCTSTR source);

    // The bare table or query name that source consists of (UTF-8, unquoted), or empty.
    static std::string BareName(LPCTSTR source);

    // A recordset's filter and sort applied to its select as an outer query, as DAO applies them:
    // SELECT * FROM (select) WHERE (filter) ORDER BY sort. Empty texts add nothing.
    static std::string Filtered(const std::string& select, LPCTSTR filter, LPCTSTR sort);

    // For a select of the form SELECT * FROM table [WHERE ...] [ORDER BY ...]: sets table to the
    // unquoted table name and withRowId to the same select with the row id as its first column,
    // named RowIdColumn, and returns true. Any other form (joins, grouping, unions) is not
    // updatable row by row and returns false.
    static bool WithRowId(const std::string& select, std::string& table, std::string& withRowId);
    static const char* const RowIdColumn;

    // The SQLite column definition for a DAO field type and size (text size in characters),
    // whether a value is required, and a default value (SQLite SQL, empty for none): for example
    // "VARCHAR(60) COLLATE NOCASE". A Yes/No column is never null and defaults to 0. Empty for a
    // type that is not supported.
    static std::string ColumnDefinition(int daoType, LONG size, bool required = false,
                                        const std::string& defaultValue = std::string());

    // The DAO type and size that a declared column type stands for; false when it is none of
    // the declared types that ColumnDefinition writes.
    static bool ParseDeclaredType(const std::string& declared, int& daoType, LONG& size);

    // name in double quotes, with inner double quotes doubled.
    static std::string Quote(const std::string& name);

    // ASCII case-insensitive equality, as Jet and SQLite compare names.
    static bool SameName(const std::string& a, const std::string& b);
    // The name with its ASCII letters in lower case: names that SameName takes as one give one key.
    static std::string NameKey(const std::string& name);
};
