// An Access file as the database layer reads it: the file's tables and saved queries in an
// in-memory SQLite database, filled from the file through JetFileReader. The import is made once
// per process and file, and again only when the file changes on disk; a table is imported when a
// statement first names it, and a saved query is rebuilt into a view then. Nothing here writes to
// the file. Used from one thread, as the database layer is.
#pragma once

#include "platform/core/CString.h"
#include "platform/database/JetFileReader.h"
#include "platform/database/JetSavedQuery.h"

#include <cstdint>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class DaoConnection;

class JetFileImport : public std::enable_shared_from_this<JetFileImport> {
public:
    // The import of the file at a Linux path, for a connection named file (a Windows path): the
    // one already made in this process when the file has not changed on disk since, else a new
    // one. Throws as JetFileReader does, and 3051 for a file that cannot be read.
    static std::shared_ptr<JetFileImport> Open(const std::string& path, const CString& file);

    ~JetFileImport();
    JetFileImport(const JetFileImport&) = delete;
    JetFileImport& operator=(const JetFileImport&) = delete;

    // The connection that owns the in-memory database; connections over the file share it.
    DaoConnection& Engine() { return *m_engine; }

    // Imports the user table of that name (UTF-8, case ignored) unless it is in already; false
    // when the file has no such table or it is in already. Throws 3049 for a table that cannot be
    // read whole, and then holds nothing of it.
    bool ProvideTable(const std::string& name, const CString& file);

    // For the engine's message that a table or view is missing ("no such table: X"): imports table X, or
    // rebuilds saved query X as a view, and returns true; false for any other message, or when
    // the file has nothing of that name that is not in already. Throws as ProvideTable does, and
    // 3000 naming a saved query that cannot be rebuilt.
    bool ProvideMissing(const std::string& engineMessage, const CString& file);

private:
    explicit JetFileImport(std::string bytes, const CString& file);

    void ImportTable(const std::string& table, const CString& file);
    void AddDeclaredKeys(const std::string& table);
    void BuildView(const JetFileReader::Query& query, const CString& file);
    const std::vector<JetSavedQueryRow>& QueryRows(int64_t id, const CString& file);

    std::unique_ptr<JetFileReader> m_reader;
    std::shared_ptr<DaoConnection> m_engine;
    std::set<std::string> m_provided; // names in the engine, in ASCII lower case
    bool m_queryRowsRead = false;
    std::map<int64_t, std::vector<JetSavedQueryRow>> m_queryRows; // by ObjectId
};
