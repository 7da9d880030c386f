// The one connection to the database engine (SQLite) behind the database classes. Nothing
// outside this class sees the engine: it takes and gives UTF-8 SQL and DaoValue cells, and
// turns every engine failure into a CDaoException with Jet's error number. A connection to an
// Access file reads the in-memory database of the file's import (JetFileImport), which brings in
// each table and saved query when a statement first names it.
#pragma once

#include "platform/core/CString.h"
#include "platform/database/DaoValue.h"

#include <cstdint>
#include <ctime>
#include <deque>
#include <exception>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class JetFileImport;

struct DaoResult {
    std::vector<std::string> columns; // UTF-8 names
    std::vector<std::vector<DaoValue>> rows;
};

// A column of a table, as declared.
struct DaoColumn {
    std::string name;
    std::string declaredType;
    std::string collation;
    std::string defaultValue; // SQL text; empty for none
    bool notNull = false;
};

class DaoConnection {
    // Gives a statement back to the connection that keeps it for reuse, or finalizes it.
    struct StatementDeleter {
        DaoConnection* keeper = nullptr;
        void operator()(sqlite3_stmt* statement) const;
    };
    using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

public:
    // Opens the database file at a Windows path by what it holds: a SQLite file for reading and
    // writing (reading only when readOnly, or when the file cannot be written); an Access file
    // (Jet 3 or Jet 4) for reading only. A SQLite file opened again by the same path while a
    // connection to it is open shares that connection, as the databases of one DAO session share
    // their engine. Throws 3024 for a missing file, 3044 for a missing folder, 3051 for a file
    // that cannot be read, 3343 for a file that is not a database (or an Access file whose header
    // cannot be read) and 3049 for a damaged one.
    static std::shared_ptr<DaoConnection> OpenFile(LPCTSTR windowsPath, bool readOnly);

    // An empty database in memory, for reading and writing; name is the file that errors name.
    static std::shared_ptr<DaoConnection> OpenMemory(const CString& name);

    // A read-only connection, named name, to the in-memory database of an Access file's import.
    static std::shared_ptr<DaoConnection> OverImport(const std::shared_ptr<JetFileImport>& import, const CString& name);

    // Creates a database file from a schema (SQLite SQL, UTF-8) whose columns all have declared
    // types that JetDialect knows, text columns collating without case. The file appears whole
    // or not at all; an existing file is never replaced (3204).
    static void CreateFile(LPCTSTR windowsPath, const std::string& schema);

    ~DaoConnection();
    DaoConnection(const DaoConnection&) = delete;
    DaoConnection& operator=(const DaoConnection&) = delete;

    const CString& Name() const { return m_name; }
    bool IsReadOnly() const { return m_readOnly; }
    // Whether the rows may change while the connection is open, through other connections to the
    // same file; never for an Access file, whose import changes only through ChangeImportedCopy.
    bool SeesOtherChanges() const { return !m_import; }

    // What tells whether the database may have changed since it was taken: a change through any
    // connection of this process, or, for a file, a change of its times or size by another. The
    // file system keeps times to a clock tick, so a file changed within the last moments is taken
    // as changing: such a version equals none.
    struct Version {
        uint64_t changes = 0;
        timespec modified{}, changed{};
        int64_t size = 0;
        bool settled = false;
        bool operator==(const Version& other) const;
        bool operator!=(const Version& other) const { return !(*this == other); }
    };
    Version CurrentVersion() const;
    // How many statements of this process may have changed a database so far.
    static uint64_t ChangesInProcess();

    // Runs one statement and returns its rows. 3027 for a change on a read-only database.
    DaoResult Query(const std::string& sql, const std::vector<DaoValue>& parameters = {});

    // Runs one statement that changes data and returns the number of rows it changed. The
    // statement changes all of its rows or none. 3027 on a read-only database, 3065 for a select.
    int Change(const std::string& sql, const std::vector<DaoValue>& parameters = {});

    // Runs the statements of a script, such as a schema, one after the other; raises the first
    // error as Change does.
    void Script(const std::string& sql);

    // Runs one statement that changes data, as Change does, on the in-memory database of an Access
    // file's import instead of the file, which stays as it is: what this process reads of the file
    // shows the change from then on (a recordset already open, at its next Requery), until the
    // file changes on disk and is imported again. 3027 for a connection to anything else.
    int ChangeImportedCopy(const std::string& sql);

    // A change statement prepared once and run for many rows of parameters, such as the INSERT of
    // an import. It lives no longer than its connection.
    class Batch {
    public:
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

        // Runs the statement with these parameters; raises the error as Change does.
        void Run(const std::vector<DaoValue>& parameters);

    private:
        friend class DaoConnection;
        Batch(DaoConnection& connection, sqlite3_stmt* statement) : m_connection(connection), m_statement(statement) {}

        DaoConnection& m_connection;
        sqlite3_stmt* m_statement; // owned
    };
    std::unique_ptr<Batch> PrepareBatch(const std::string& sql);

    // The rows of one query, stepped from the engine as they are asked for instead of all at
    // once. They are the rows of the database as it was when the query was opened: before a
    // statement that is not a query runs on the same database, every cursor open on it reads the
    // rest of its rows ahead. A cursor lives no longer than its connection.
    class Cursor {
    public:
        ~Cursor();
        Cursor(const Cursor&) = delete;
        Cursor& operator=(const Cursor&) = delete;

        const std::vector<std::string>& Columns() const { return m_columns; } // UTF-8 names

        // Sets cells to the next row and returns true, or returns false after the last row.
        // Raises the engine's failure as Query does, when the row where it failed is reached.
        bool Next(std::vector<DaoValue>& cells);

    private:
        friend class DaoConnection;
        Cursor(DaoConnection& connection, Statement statement, const std::string& sql);
        bool Step(std::vector<DaoValue>& cells);
        void ReadAhead();

        DaoConnection& m_connection;
        Statement m_statement; // empty once the last row is stepped
        std::string m_sql;
        std::vector<std::string> m_columns;
        std::deque<std::vector<DaoValue>> m_ahead; // rows read ahead of a change
        std::exception_ptr m_failure;              // met while reading ahead; raised after m_ahead
    };
    // Opens a query as a cursor: its statement is prepared and nothing stepped yet. Raises what
    // Query raises on preparing.
    std::unique_ptr<Cursor> OpenCursor(const std::string& sql);

    // The row id of the row that the last INSERT added.
    int64_t LastInsertRowId() const;

    // The name of the table (not view) of that name as the database spells it, or empty.
    std::string TableName(const std::string& name);

    std::vector<DaoColumn> Columns(const std::string& table);

private:
    DaoConnection(sqlite3* db, const CString& name, bool readOnly);

    Statement Prepare(const std::string& sql, const std::vector<DaoValue>& parameters);
    Statement Compile(const std::string& sql);
    // Runs a prepared statement that changes data and returns the number of rows it changed.
    int RunChange(Statement statement, const std::string& sql);
    void Keep(sqlite3_stmt* statement);
    // Before a statement that is not a query runs: every cursor open on this database reads ahead.
    void SettleCursors(sqlite3_stmt* statement);
    void CheckSchema();
    [[noreturn]] void Fail(int result, const std::string& sql = std::string());

    sqlite3* m_db;  // owned, unless the connection reads an import's database
    CString m_name; // Windows path, CP932
    std::string m_path; // the file on Linux; empty in memory
    bool m_readOnly;
    std::shared_ptr<JetFileImport> m_import; // the Access file's import that owns m_db, if any
    // Statements already compiled, by their SQL text, so that the same statement run again (a code
    // looked up, a row read again) is not compiled again. A statement is taken out while it runs.
    std::unordered_map<std::string, sqlite3_stmt*> m_kept;
    // What TableName has found, while the database is at m_tableNamesVersion.
    std::unordered_map<std::string, std::string> m_tableNames;
    Version m_tableNamesVersion;
};
