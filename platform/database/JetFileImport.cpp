#include "platform/database/JetFileImport.h"

#include "platform/core/Cp932.h"
#include "platform/database/CDaoException.h"
#include "platform/database/DaoConnection.h"
#include "platform/database/JetDeclaredKeys.h"
#include "platform/database/JetDialect.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The engine's messages for a table or view that a statement names and the database lacks.
const char* const missingMessages[] = {"no such table: ", "no such view: "};
const char* const schemaPrefix = "main.";
const int64_t objectIdMask = 0x00FFFFFF; // the catalog keeps only these bits of a query's id

// What tells that a file on disk is still the one imported.
struct FileIdentity {
    dev_t device;
    ino_t inode;
    off_t size;
    long modifiedSeconds;
    long modifiedNanoseconds;

    bool operator==(const FileIdentity& other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedSeconds == other.modifiedSeconds && modifiedNanoseconds == other.modifiedNanoseconds;
    }
};

FileIdentity IdentityOf(const struct stat& info)
{
    return {info.st_dev, info.st_ino, info.st_size, static_cast<long>(info.st_mtim.tv_sec),
            static_cast<long>(info.st_mtim.tv_nsec)};
}

struct CachedImport {
    FileIdentity identity;
    std::shared_ptr<JetFileImport> import;
};

// The imports of this process by the file's canonical path.
std::map<std::string, CachedImport>& Imports()
{
    static std::map<std::string, CachedImport> imports;
    return imports;
}

std::string CanonicalPath(const std::string& path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// The whole file and what identifies it; 3051 when it cannot be read.
std::string ReadWhole(const std::string& path, FileIdentity& identity, const CString& file)
{
    int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info;
    if (descriptor < 0 || fstat(descriptor, &info) != 0) {
        if (descriptor >= 0)
            close(descriptor);
        ThrowDaoError(daoErrCannotOpen, file);
    }
    identity = IdentityOf(info);
    std::string bytes;
    char buffer[65536];
    ssize_t got;
    while ((got = read(descriptor, buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            bytes.append(buffer, static_cast<size_t>(got));
    close(descriptor);
    if (got < 0)
        ThrowDaoError(daoErrCannotOpen, file);
    return bytes;
}

std::string CreateTableSql(const std::string& table, const std::vector<JetFileReader::Column>& columns)
{
    std::string sql = "CREATE TABLE " + JetDialect::Quote(table) + " (";
    for (size_t i = 0; i < columns.size(); ++i)
        sql += (i ? ", " : "") + JetDialect::Quote(columns[i].name) + " " +
               JetDialect::ColumnDefinition(columns[i].daoType, columns[i].size);
    return sql + ")";
}

std::string InsertSql(const std::string& table, size_t columns)
{
    std::string marks;
    for (size_t i = 0; i < columns; ++i)
        marks += i ? ", ?" : "?";
    return "INSERT INTO " + JetDialect::Quote(table) + " VALUES (" + marks + ")";
}

// The cell of the named column of a row read with those columns, or null.
const DaoValue& CellNamed(const std::vector<JetFileReader::Column>& columns, const std::vector<DaoValue>& row,
                          const char* name)
{
    static const DaoValue none;
    for (size_t i = 0; i < columns.size() && i < row.size(); ++i)
        if (JetDialect::SameName(columns[i].name, name))
            return row[i];
    return none;
}

JetSavedQueryRow QueryRowOf(const std::vector<JetFileReader::Column>& columns, const std::vector<DaoValue>& row)
{
    JetSavedQueryRow query;
    query.attribute = static_cast<int>(CellNamed(columns, row, "Attribute").integer);
    const DaoValue& flag = CellNamed(columns, row, "Flag");
    if (flag.kind == DaoValue::Integer)
        query.flag = static_cast<int>(flag.integer);
    query.expression = CellNamed(columns, row, "Expression").bytes;
    query.name1 = CellNamed(columns, row, "Name1").bytes;
    query.name2 = CellNamed(columns, row, "Name2").bytes;
    return query;
}

[[noreturn]] void ThrowNotRebuilt(const std::string& query, const std::string& reason)
{
    ThrowDaoError(
        daoErrGeneric,
        CString(("保存されたクエリ '" + cp932::FromUtf8(query) + "' を組み立て直せません: " + reason).c_str()));
}

// Runs body; a database error in it is raised as damage to the file.
template <typename Body> void AsDamage(const CString& file, Body body)
{
    try {
        body();
    } catch (CDaoException* e) {
        e->Delete();
        ThrowDaoError(daoErrCorrupt, file);
    }
}

// Runs a statement that undoes one before it, while another error is on its way out: its own
// failure would hide that error.
void Undo(DaoConnection& engine, const std::string& sql)
{
    try {
        engine.Change(sql);
    } catch (CDaoException* e) {
        e->Delete();
    }
}

} // namespace

std::shared_ptr<JetFileImport> JetFileImport::Open(const std::string& path, const CString& file)
{
    std::string key = CanonicalPath(path);
    struct stat info;
    auto cached = Imports().find(key);
    if (cached != Imports().end() && stat(path.c_str(), &info) == 0 && cached->second.identity == IdentityOf(info))
        return cached->second.import;
    FileIdentity identity;
    std::string bytes = ReadWhole(path, identity, file);
    std::shared_ptr<JetFileImport> import(new JetFileImport(std::move(bytes), file));
    Imports()[key] = {identity, import};
    return import;
}

JetFileImport::JetFileImport(std::string bytes, const CString& file)
    : m_reader(std::make_unique<JetFileReader>(std::move(bytes), file)), m_engine(DaoConnection::OpenMemory(file))
{
}

JetFileImport::~JetFileImport() = default;

bool JetFileImport::ProvideTable(const std::string& name, const CString& file)
{
    for (const std::string& table : m_reader->Tables())
        if (JetDialect::SameName(table, name)) {
            if (m_provided.count(JetDialect::NameKey(table)))
                return false;
            ImportTable(table, file);
            return true;
        }
    return false;
}

bool JetFileImport::ProvideMissing(const std::string& engineMessage, const CString& file)
{
    std::string name;
    for (const char* message : missingMessages) {
        size_t prefix = std::char_traits<char>::length(message);
        if (engineMessage.compare(0, prefix, message) == 0)
            name = engineMessage.substr(prefix);
    }
    if (name.empty())
        return false;
    if (name.compare(0, std::char_traits<char>::length(schemaPrefix), schemaPrefix) == 0)
        name = name.substr(std::char_traits<char>::length(schemaPrefix)); // as a view names its tables
    if (ProvideTable(name, file))
        return true;
    for (const JetFileReader::Query& query : m_reader->Queries())
        if (JetDialect::SameName(query.name, name) && !m_provided.count(JetDialect::NameKey(query.name))) {
            BuildView(query, file);
            return true;
        }
    return false;
}

void JetFileImport::ImportTable(const std::string& table, const CString& file)
{
    m_engine->Change("BEGIN");
    try {
        AsDamage(file, [&] {
            std::unique_ptr<DaoConnection::Batch> insert;
            m_reader->ReadTable(
                table,
                [&](const std::vector<JetFileReader::Column>& columns) {
                    m_engine->Change(CreateTableSql(table, columns));
                    insert = m_engine->PrepareBatch(InsertSql(table, columns.size()));
                },
                [&](const std::vector<DaoValue>& row) { insert->Run(row); }, file);
            AddDeclaredKeys(table);
        });
        m_engine->Change("COMMIT");
    } catch (...) {
        Undo(*m_engine, "ROLLBACK");
        throw;
    }
    m_provided.insert(JetDialect::NameKey(table));
}

// Indexes the imported table by the keys that the program's schemas declare for it, where the
// file's table has all of a key's columns.
void JetFileImport::AddDeclaredKeys(const std::string& table)
{
    std::vector<DaoColumn> columns = m_engine->Columns(table);
    auto hasColumn = [&](const std::string& name) {
        return std::any_of(columns.begin(), columns.end(),
                           [&](const DaoColumn& column) { return JetDialect::SameName(column.name, name); });
    };
    int number = 0;
    for (const std::vector<std::string>& key : JetDeclaredKeys::Of(table)) {
        if (!std::all_of(key.begin(), key.end(), hasColumn))
            continue;
        std::string list;
        for (const std::string& column : key)
            list += (list.empty() ? "" : ", ") + JetDialect::Quote(column);
        // No Access name holds a period, so no table of the file can take the index's name.
        std::string index = JetDialect::Quote(table + ".key" + std::to_string(++number));
        try {
            m_engine->Change("CREATE INDEX " + index + " ON " + JetDialect::Quote(table) + " (" + list + ")");
        } catch (CDaoException* e) {
            e->Delete(); // only a damaged file's own name takes it; the table is read without the index
        }
    }
}

void JetFileImport::BuildView(const JetFileReader::Query& query, const CString& file)
{
    std::string reason;
    std::string sql = JetSavedQuery::Sql(QueryRows(query.id & objectIdMask, file), reason);
    if (sql.empty())
        ThrowNotRebuilt(query.name, reason);
    std::string view = JetDialect::Quote(query.name);
    try {
        m_engine->Change("CREATE VIEW " + view + " AS " + JetDialect::TranslateUtf8(sql));
    } catch (CDaoException* e) {
        std::string engine = e->m_pErrorInfo->m_strDescription.Bytes();
        e->Delete();
        ThrowNotRebuilt(query.name, engine);
    }
    m_provided.insert(JetDialect::NameKey(query.name));
    // The engine checks a view's tables and columns only when it is read: read it once now, over
    // a connection that imports what it names, so that a query that does not work fails here.
    try {
        DaoConnection::OverImport(shared_from_this(), file)->Query("SELECT * FROM " + view + " LIMIT 0");
    } catch (CDaoException* e) {
        m_provided.erase(JetDialect::NameKey(query.name));
        Undo(*m_engine, "DROP VIEW " + view);
        if (e->m_pErrorInfo->m_lErrorCode == daoErrCorrupt)
            throw;
        std::string engine = e->m_pErrorInfo->m_strDescription.Bytes();
        e->Delete();
        ThrowNotRebuilt(query.name, engine);
    }
}

const std::vector<JetSavedQueryRow>& JetFileImport::QueryRows(int64_t id, const CString& file)
{
    if (!m_queryRowsRead) {
        std::map<int64_t, std::vector<JetSavedQueryRow>> rows;
        std::vector<JetFileReader::Column> columns;
        m_reader->ReadTable(
            "MSysQueries", [&](const std::vector<JetFileReader::Column>& read) { columns = read; },
            [&](const std::vector<DaoValue>& row) {
                rows[CellNamed(columns, row, "ObjectId").integer & objectIdMask].push_back(QueryRowOf(columns, row));
            },
            file);
        m_queryRows = std::move(rows);
        m_queryRowsRead = true;
    }
    static const std::vector<JetSavedQueryRow> none;
    auto found = m_queryRows.find(id);
    return found == m_queryRows.end() ? none : found->second;
}
