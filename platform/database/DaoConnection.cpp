#include "platform/database/DaoConnection.h"

#include "platform/core/Cp932.h"
#include "platform/database/CDaoException.h"
#include "platform/database/DaoConstants.h"
#include "platform/database/JetDialect.h"
#include "platform/database/JetFileImport.h"
#include "platform/files/PosixIo.h"
#include "platform/files/WinPath.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <map>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

const int busyTimeoutMs = 2000; // another process writing the same file
const size_t keptStatements = 64;
// How long after its last change a file's time shows every later change: more than the clock
// tick of file systems that keep nanoseconds, and than the two seconds of those that keep whole
// seconds or less (their times have no nanoseconds).
const int64_t settledNanoseconds = 100000000;
const int64_t coarseSettledNanoseconds = 3000000000;

int64_t Nanoseconds(const timespec& time) { return int64_t(time.tv_sec) * 1000000000 + time.tv_nsec; }

CString FromUtf8(const std::string& text) { return CString(cp932::FromUtf8(text)); }

// The text after prefix in message, or empty when message does not start with it.
bool After(const std::string& message, const char* prefix, std::string& rest)
{
    size_t length = std::strlen(prefix);
    if (message.compare(0, length, prefix) != 0)
        return false;
    rest = message.substr(length);
    return true;
}

// "table.column" of a constraint message such as "NOT NULL constraint failed: T.c": either part.
std::string ConstraintPart(const std::string& message, bool table)
{
    size_t colon = message.rfind(": ");
    std::string target = colon == std::string::npos ? message : message.substr(colon + 2);
    target = target.substr(0, target.find(','));
    size_t dot = target.find('.');
    if (dot == std::string::npos)
        return target;
    return table ? target.substr(0, dot) : target.substr(dot + 1);
}

// Jet's error for an engine failure (extended result code and message) on the file.
[[noreturn]] void ThrowEngineError(int code, const std::string& message, const CString& file, const std::string& sql)
{
    std::string rest;
    switch (code & 0xFF) {
    case SQLITE_NOMEM:
        AfxThrowMemoryException();
    case SQLITE_READONLY:
        ThrowDaoError(daoErrReadOnly);
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        ThrowDaoError(daoErrLocked, file);
    case SQLITE_FULL:
        ThrowDaoError(daoErrDiskFull);
    case SQLITE_IOERR:
        ThrowDaoError(daoErrDiskError);
    case SQLITE_NOTADB:
        ThrowDaoError(daoErrUnrecognizedFormat, file);
    case SQLITE_CORRUPT:
        ThrowDaoError(daoErrCorrupt, file);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
        ThrowDaoError(daoErrCannotOpen, file);
    case SQLITE_CONSTRAINT:
        if (code == SQLITE_CONSTRAINT_PRIMARYKEY || code == SQLITE_CONSTRAINT_UNIQUE)
            ThrowDaoError(daoErrDuplicateKey, FromUtf8(ConstraintPart(message, true)));
        if (code == SQLITE_CONSTRAINT_NOTNULL)
            ThrowDaoError(daoErrNullNotAllowed, FromUtf8(ConstraintPart(message, false)));
        if (code == SQLITE_CONSTRAINT_CHECK)
            ThrowDaoError(daoErrValidationRule);
        break;
    default:
        break;
    }
    if (After(message, "no such table: ", rest))
        ThrowDaoError(daoErrInputNotFound, FromUtf8(rest));
    if (After(message, "no such column: ", rest))
        ThrowDaoError(daoErrTooFewParameters, FromUtf8(rest));
    if (message.find("syntax error") != std::string::npos || After(message, "incomplete input", rest) ||
        After(message, "unrecognized token", rest))
        ThrowDaoError(daoErrSyntax, FromUtf8(sql));
    ThrowDaoError(daoErrGeneric, FromUtf8(message));
}

bool IsDirectory(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Throws the error for a database file that cannot be opened for the reason errno gives.
[[noreturn]] void ThrowFileError(int error, const std::string& path, LPCTSTR windowsPath)
{
    if (error == ENOENT || error == ENOTDIR)
        ThrowDaoError(IsDirectory(FolderOf(path)) ? daoErrFileNotFound : daoErrInvalidPath, windowsPath);
    ThrowDaoError(daoErrCannotOpen, windowsPath);
}

enum class FileKind { Sqlite, Access, Unknown };

// An Access file of Jet 3 or Jet 4 starts with these 20 bytes, and keeps its version (0 or 1) after them.
const char accessHeader[] = "\0\1\0\0Standard Jet DB";
const size_t accessVersionOffset = 0x14;
const unsigned char newestAccessVersion = 1;

// What a database file holds, by its first bytes.
FileKind KindOfFile(const std::string& path, LPCTSTR windowsPath)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        ThrowFileError(errno, path, windowsPath);
    unsigned char header[32] = {};
    size_t length = std::fread(header, 1, sizeof header, file);
    std::fclose(file);
    static const char sqliteHeader[16] = "SQLite format 3";
    if (length >= sizeof sqliteHeader && std::memcmp(header, sqliteHeader, sizeof sqliteHeader) == 0)
        return FileKind::Sqlite;
    if (length > accessVersionOffset && std::memcmp(header, accessHeader, sizeof accessHeader) == 0 &&
        header[accessVersionOffset] <= newestAccessVersion)
        return FileKind::Access;
    return FileKind::Unknown;
}

sqlite3* OpenEngine(const std::string& path, int flags, LPCTSTR windowsPath)
{
    sqlite3* db = nullptr;
    // The engine may take a name that starts with "file:" for a URI; a file name is never one.
    std::string name = path.compare(0, 5, "file:") == 0 ? "./" + path : path;
    // The database layer is used from one thread: the engine need not lock the connection on
    // every call, of which reading or importing a table makes several for each cell.
    int result = sqlite3_open_v2(name.c_str(), &db, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK) {
        int code = db ? sqlite3_extended_errcode(db) : result;
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(result);
        sqlite3_close(db);
        ThrowEngineError(code, message, windowsPath, std::string());
    }
    sqlite3_busy_timeout(db, busyTimeoutMs);
    sqlite3_extended_result_codes(db, 1);
    return db;
}

// Sets value to a column of the statement's current row, reusing its storage.
void ReadColumn(sqlite3_stmt* statement, int column, DaoValue& value)
{
    value.integer = 0;
    value.real = 0;
    value.bytes.clear();
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
        value.kind = DaoValue::Integer;
        value.integer = sqlite3_column_int64(statement, column);
        break;
    case SQLITE_FLOAT:
        value.kind = DaoValue::Real;
        value.real = sqlite3_column_double(statement, column);
        break;
    case SQLITE_TEXT: {
        value.kind = DaoValue::Text;
        const char* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        if (text)
            value.bytes.assign(text, sqlite3_column_bytes(statement, column));
        break;
    }
    case SQLITE_BLOB: {
        value.kind = DaoValue::Blob;
        const char* data = static_cast<const char*>(sqlite3_column_blob(statement, column));
        if (data)
            value.bytes.assign(data, sqlite3_column_bytes(statement, column));
        break;
    }
    default:
        value.kind = DaoValue::Null;
        break;
    }
}

DaoValue ColumnValue(sqlite3_stmt* statement, int column)
{
    DaoValue value;
    ReadColumn(statement, column, value);
    return value;
}

// Binds a value to a parameter. With SQLITE_STATIC as lifetime the engine reads the text or bytes
// where they lie, which must then stay as they are until the parameter is bound again or the
// statement is finalized.
int Bind(sqlite3_stmt* statement, int index, const DaoValue& value, sqlite3_destructor_type lifetime = SQLITE_TRANSIENT)
{
    switch (value.kind) {
    case DaoValue::Integer:
        return sqlite3_bind_int64(statement, index, value.integer);
    case DaoValue::Real:
        return sqlite3_bind_double(statement, index, value.real);
    case DaoValue::Text:
        return sqlite3_bind_text(statement, index, value.bytes.data(), static_cast<int>(value.bytes.size()), lifetime);
    case DaoValue::Blob:
        return sqlite3_bind_blob(statement, index, value.bytes.data(), static_cast<int>(value.bytes.size()), lifetime);
    default:
        return sqlite3_bind_null(statement, index);
    }
}

// Counts the statements of this process that may change a database.
uint64_t changesInProcess = 0;

// The cursors open in this process, on any database.
std::vector<DaoConnection::Cursor*>& OpenCursors()
{
    static std::vector<DaoConnection::Cursor*> cursors;
    return cursors;
}

// The SQLite connections open in this process, by the Windows path and mode they were opened with.
struct OpenConnection {
    std::weak_ptr<DaoConnection> connection;
    dev_t device;
    ino_t inode;
    pid_t process; // a connection is never used across fork
};
using ConnectionKey = std::pair<std::string, bool>;
std::map<ConnectionKey, OpenConnection>& OpenConnections()
{
    static std::map<ConnectionKey, OpenConnection> connections;
    return connections;
}

// The open connection to the file at key, when it is still the file found at the path.
std::shared_ptr<DaoConnection> SharedConnection(const ConnectionKey& key, const struct stat& file)
{
    auto open = OpenConnections().find(key);
    if (open == OpenConnections().end() || open->second.process != getpid() ||
        open->second.device != file.st_dev || open->second.inode != file.st_ino)
        return nullptr;
    return open->second.connection.lock();
}

void RememberConnection(const ConnectionKey& key, const struct stat& file,
                        const std::shared_ptr<DaoConnection>& connection)
{
    auto& connections = OpenConnections();
    for (auto open = connections.begin(); open != connections.end();)
        open = open->second.connection.expired() ? connections.erase(open) : std::next(open);
    connections[key] = {connection, file.st_dev, file.st_ino, getpid()};
}

bool OnlyBlanks(const char* text)
{
    for (; *text; ++text)
        if (*text != ';' && !std::isspace(static_cast<unsigned char>(*text)))
            return false;
    return true;
}

} // namespace

void DaoConnection::StatementDeleter::operator()(sqlite3_stmt* statement) const
{
    if (keeper)
        keeper->Keep(statement);
    else
        sqlite3_finalize(statement);
}

void DaoConnection::Keep(sqlite3_stmt* statement)
{
    sqlite3_reset(statement);
    sqlite3_clear_bindings(statement);
    if (m_kept.size() >= keptStatements) {
        sqlite3_finalize(m_kept.begin()->second);
        m_kept.erase(m_kept.begin());
    }
    if (!m_kept.emplace(sqlite3_sql(statement), statement).second)
        sqlite3_finalize(statement); // the same text is kept already
}

DaoConnection::DaoConnection(sqlite3* db, const CString& name, bool readOnly)
    : m_db(db), m_name(name), m_readOnly(readOnly || sqlite3_db_readonly(db, "main") == 1)
{
}

DaoConnection::~DaoConnection()
{
    for (const auto& kept : m_kept)
        sqlite3_finalize(kept.second);
    if (!m_import)
        sqlite3_close_v2(m_db);
}

std::shared_ptr<DaoConnection> DaoConnection::OpenFile(LPCTSTR windowsPath, bool readOnly)
{
    std::string path = WinPathToLinux(windowsPath);
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        ThrowFileError(errno, path, windowsPath);
    if (!S_ISREG(info.st_mode))
        ThrowDaoError(daoErrCannotOpen, windowsPath);
    FileKind kind = KindOfFile(path, windowsPath);
    if (kind == FileKind::Access)
        return OverImport(JetFileImport::Open(path, windowsPath), windowsPath);
    if (kind != FileKind::Sqlite)
        ThrowDaoError(daoErrUnrecognizedFormat, windowsPath);
    ConnectionKey key(windowsPath ? windowsPath : "", readOnly);
    if (std::shared_ptr<DaoConnection> shared = SharedConnection(key, info))
        return shared;
    sqlite3* db = OpenEngine(path, readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE, windowsPath);
    std::shared_ptr<DaoConnection> connection(new DaoConnection(db, windowsPath, readOnly));
    connection->m_path = path;
    // Reads the schema: a damaged file fails here. Some damage to the schema makes the engine report
    // "out of memory" rather than damage; on this first read of a file, that is damage too.
    try {
        connection->Query("SELECT count(*) FROM sqlite_master");
    } catch (CMemoryException* e) {
        e->Delete();
        ThrowDaoError(daoErrCorrupt, windowsPath);
    }
    RememberConnection(key, info, connection);
    return connection;
}

std::shared_ptr<DaoConnection> DaoConnection::OpenMemory(const CString& name)
{
    return std::shared_ptr<DaoConnection>(
        new DaoConnection(OpenEngine(":memory:", SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, name), name, false));
}

std::shared_ptr<DaoConnection> DaoConnection::OverImport(const std::shared_ptr<JetFileImport>& import,
                                                         const CString& name)
{
    std::shared_ptr<DaoConnection> connection(new DaoConnection(import->Engine().m_db, name, true));
    connection->m_import = import;
    return connection;
}

void DaoConnection::Script(const std::string& sql)
{
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        Fail(SQLITE_ERROR, sql);
}

void DaoConnection::CreateFile(LPCTSTR windowsPath, const std::string& schema)
{
    std::string target = WinPathToLinux(windowsPath);
    struct stat info;
    if (lstat(target.c_str(), &info) == 0)
        ThrowDaoError(daoErrDatabaseExists, windowsPath);
    std::string temporary = target + ".XXXXXX";
    int descriptor = mkstemp(&temporary[0]);
    if (descriptor < 0)
        ThrowFileError(errno, target, windowsPath);
    mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask); // as an ordinary new file, not mkstemp's owner-only mode
    close(descriptor);
    try {
        {
            DaoConnection connection(OpenEngine(temporary, SQLITE_OPEN_READWRITE, windowsPath), windowsPath, false);
            connection.Script(schema);
            connection.CheckSchema();
        }
        // A hard link never replaces an existing file, unlike a rename.
        if (link(temporary.c_str(), target.c_str()) != 0)
            ThrowDaoError(errno == EEXIST ? daoErrDatabaseExists : daoErrCannotOpen, windowsPath);
        unlink(temporary.c_str());
    } catch (...) {
        unlink(temporary.c_str());
        throw;
    }
}

void DaoConnection::CheckSchema()
{
    DaoResult tables = Query("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
                             "ESCAPE '\\'");
    for (const std::vector<DaoValue>& table : tables.rows)
        for (const DaoColumn& column : Columns(table[0].bytes)) {
            int type = 0;
            LONG size = 0;
            bool known = JetDialect::ParseDeclaredType(column.declaredType, type, size);
            bool text = type == dbText || type == dbMemo;
            if (!known || (text && !JetDialect::SameName(column.collation, "NOCASE")))
                ThrowDaoError(daoErrInvalidFieldType, FromUtf8(table[0].bytes + "." + column.name));
        }
}

DaoConnection::Statement DaoConnection::Prepare(const std::string& sql, const std::vector<DaoValue>& parameters)
{
    Statement statement = Compile(sql);
    bool changes = !sqlite3_stmt_readonly(statement.get());
    if (m_readOnly && changes)
        ThrowDaoError(daoErrReadOnly);
    SettleCursors(statement.get());
    if (changes)
        ++changesInProcess;
    for (size_t i = 0; i < parameters.size(); ++i)
        if (Bind(statement.get(), static_cast<int>(i) + 1, parameters[i]) != SQLITE_OK)
            Fail(SQLITE_ERROR, sql);
    return statement;
}

// The statement of sql: a kept one, or compiled now.
DaoConnection::Statement DaoConnection::Compile(const std::string& sql)
{
    auto kept = m_kept.find(sql);
    if (kept != m_kept.end()) {
        Statement statement(kept->second, StatementDeleter{this});
        m_kept.erase(kept);
        return statement;
    }
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    // An Access file's import brings in each table or saved query that the statement misses.
    while (sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()) + 1, &raw, &tail) != SQLITE_OK)
        if (!m_import || !m_import->ProvideMissing(sqlite3_errmsg(m_db), m_name))
            Fail(SQLITE_ERROR, sql);
    if (!raw)
        ThrowDaoError(daoErrSyntax, FromUtf8(sql));
    Statement statement(raw, StatementDeleter{this});
    if (tail && !OnlyBlanks(tail))
        ThrowDaoError(daoErrTextAfterStatement);
    return statement;
}

DaoResult DaoConnection::Query(const std::string& sql, const std::vector<DaoValue>& parameters)
{
    Statement statement = Prepare(sql, parameters);
    DaoResult result;
    int columns = sqlite3_column_count(statement.get());
    for (int i = 0; i < columns; ++i)
        result.columns.push_back(sqlite3_column_name(statement.get(), i));
    int step;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
        std::vector<DaoValue> row;
        row.reserve(columns);
        for (int i = 0; i < columns; ++i)
            row.push_back(ColumnValue(statement.get(), i));
        result.rows.push_back(std::move(row));
    }
    if (step != SQLITE_DONE)
        Fail(step, sql);
    return result;
}

int DaoConnection::Change(const std::string& sql, const std::vector<DaoValue>& parameters)
{
    return RunChange(Prepare(sql, parameters), sql);
}

int DaoConnection::ChangeImportedCopy(const std::string& sql)
{
    if (!m_import)
        ThrowDaoError(daoErrReadOnly);
    Statement statement = Compile(sql);
    SettleCursors(statement.get());
    if (!sqlite3_stmt_readonly(statement.get()))
        ++changesInProcess;
    return RunChange(std::move(statement), sql);
}

void DaoConnection::SettleCursors(sqlite3_stmt* statement)
{
    // Transaction statements count as read-only, yet a rollback may end a query's reading.
    if (sqlite3_stmt_readonly(statement) && sqlite3_column_count(statement) > 0)
        return;
    for (Cursor* cursor : OpenCursors())
        if (cursor->m_connection.m_db == m_db)
            cursor->ReadAhead();
}

int DaoConnection::RunChange(Statement statement, const std::string& sql)
{
    bool reads = sqlite3_stmt_readonly(statement.get()) != 0;
    if (reads && sqlite3_column_count(statement.get()) > 0)
        ThrowDaoError(daoErrSelectExecuted);
    int step;
    while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (step != SQLITE_DONE)
        Fail(step, sql);
    return sqlite3_changes(m_db);
}

std::unique_ptr<DaoConnection::Batch> DaoConnection::PrepareBatch(const std::string& sql)
{
    return std::unique_ptr<Batch>(new Batch(*this, Prepare(sql, {}).release()));
}

DaoConnection::Batch::~Batch() { sqlite3_finalize(m_statement); }

void DaoConnection::Batch::Run(const std::vector<DaoValue>& parameters)
{
    ++changesInProcess;
    sqlite3_reset(m_statement);
    // The engine reads the values where they lie, during the step: an import binds every cell of
    // every row. Each run binds every parameter again, and the statement is never stepped after
    // the last run, only finalized.
    for (size_t i = 0; i < parameters.size(); ++i)
        if (Bind(m_statement, static_cast<int>(i) + 1, parameters[i], SQLITE_STATIC) != SQLITE_OK)
            m_connection.Fail(SQLITE_ERROR);
    int step = sqlite3_step(m_statement);
    if (step != SQLITE_DONE && step != SQLITE_ROW)
        m_connection.Fail(step);
}

std::unique_ptr<DaoConnection::Cursor> DaoConnection::OpenCursor(const std::string& sql)
{
    Statement statement = Prepare(sql, {});
    return std::unique_ptr<Cursor>(new Cursor(*this, std::move(statement), sql));
}

DaoConnection::Cursor::Cursor(DaoConnection& connection, Statement statement, const std::string& sql)
    : m_connection(connection), m_statement(std::move(statement)), m_sql(sql)
{
    int columns = sqlite3_column_count(m_statement.get());
    for (int i = 0; i < columns; ++i)
        m_columns.push_back(sqlite3_column_name(m_statement.get(), i));
    OpenCursors().push_back(this);
}

DaoConnection::Cursor::~Cursor()
{
    std::vector<Cursor*>& cursors = OpenCursors();
    cursors.erase(std::find(cursors.begin(), cursors.end(), this));
    if (m_failure)
        try {
            std::rethrow_exception(m_failure);
        } catch (CException* e) {
            e->Delete();
        }
}

bool DaoConnection::Cursor::Next(std::vector<DaoValue>& cells)
{
    if (!m_ahead.empty()) {
        cells = std::move(m_ahead.front());
        m_ahead.pop_front();
        return true;
    }
    if (m_failure)
        std::rethrow_exception(std::exchange(m_failure, nullptr));
    return Step(cells);
}

// Steps the statement to its next row; at the end gives the statement back, so that it holds the
// database no longer.
bool DaoConnection::Cursor::Step(std::vector<DaoValue>& cells)
{
    if (!m_statement)
        return false;
    int step = sqlite3_step(m_statement.get());
    if (step == SQLITE_ROW) {
        cells.resize(m_columns.size());
        for (size_t i = 0; i < cells.size(); ++i)
            ReadColumn(m_statement.get(), static_cast<int>(i), cells[i]);
        return true;
    }
    Statement finished = std::move(m_statement); // given back as this returns or raises
    if (step != SQLITE_DONE)
        m_connection.Fail(step, m_sql);
    return false;
}

void DaoConnection::Cursor::ReadAhead()
{
    try {
        std::vector<DaoValue> cells;
        while (Step(cells))
            m_ahead.push_back(std::move(cells));
    } catch (CException*) {
        m_failure = std::current_exception();
    }
}

uint64_t DaoConnection::ChangesInProcess() { return changesInProcess; }

bool DaoConnection::Version::operator==(const Version& other) const
{
    auto same = [](const timespec& a, const timespec& b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
    return settled && other.settled && changes == other.changes && same(modified, other.modified) &&
           same(changed, other.changed) && size == other.size;
}

DaoConnection::Version DaoConnection::CurrentVersion() const
{
    Version version;
    version.changes = changesInProcess;
    struct stat info;
    if (m_path.empty()) {
        version.settled = true; // in memory: only this process changes it
    } else if (stat(m_path.c_str(), &info) == 0) {
        version.modified = info.st_mtim;
        version.changed = info.st_ctim;
        version.size = info.st_size;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        int64_t margin = info.st_mtim.tv_nsec != 0 ? settledNanoseconds : coarseSettledNanoseconds;
        version.settled = Nanoseconds(now) - Nanoseconds(info.st_mtim) > margin;
    }
    return version;
}

int64_t DaoConnection::LastInsertRowId() const { return sqlite3_last_insert_rowid(m_db); }

std::string DaoConnection::TableName(const std::string& name)
{
    if (m_import)
        m_import->ProvideTable(name, m_name);
    // Every recordset that opens asks; the answers hold while the database is unchanged.
    Version version = CurrentVersion();
    if (version != m_tableNamesVersion) {
        m_tableNames.clear();
        m_tableNamesVersion = version;
    }
    auto known = m_tableNames.find(name);
    if (known != m_tableNames.end())
        return known->second;
    DaoResult result = Query("SELECT name FROM sqlite_master WHERE type = 'table' AND name = ? COLLATE NOCASE",
                             {DaoValue::FromText(name)});
    std::string table = result.rows.empty() ? std::string() : result.rows[0][0].bytes;
    m_tableNames.emplace(name, table);
    return table;
}

std::vector<DaoColumn> DaoConnection::Columns(const std::string& table)
{
    DaoResult result = Query("SELECT name, type, \"notnull\", dflt_value FROM pragma_table_info(?)",
                             {DaoValue::FromText(table)});
    std::vector<DaoColumn> columns;
    for (const std::vector<DaoValue>& row : result.rows) {
        DaoColumn column;
        column.name = row[0].bytes;
        column.declaredType = row[1].bytes;
        column.notNull = row[2].integer != 0;
        column.defaultValue = row[3].bytes;
        const char* collation = nullptr;
        if (sqlite3_table_column_metadata(m_db, "main", table.c_str(), column.name.c_str(), nullptr, &collation,
                                          nullptr, nullptr, nullptr) == SQLITE_OK && collation)
            column.collation = collation;
        columns.push_back(column);
    }
    return columns;
}

void DaoConnection::Fail(int result, const std::string& sql)
{
    int code = sqlite3_extended_errcode(m_db);
    if (code == SQLITE_OK)
        code = result;
    ThrowEngineError(code, sqlite3_errmsg(m_db), m_name, sql);
}
