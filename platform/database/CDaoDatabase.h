// A database connection as the system's code opens it. A file is opened by what it holds
// (see DaoConnection); SQL runs in Jet's dialect (see JetDialect).
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/database/CDaoException.h"
#include "platform/database/DaoConstants.h"

#include <memory>
#include <string>

class CDaoWorkspace;
class DaoConnection;

class CDaoDatabase : public CObject {
public:
    DECLARE_DYNAMIC(CDaoDatabase)
    // The workspace is not used: every database belongs to the one default workspace.
    explicit CDaoDatabase(CDaoWorkspace* workspace = nullptr);
    ~CDaoDatabase() override;

    // Opens the file at a Windows path; an open database is closed first. Exclusive use and the
    // connect string (a password) do not apply to the files of this build and are ignored.
    virtual void Open(LPCTSTR name, BOOL exclusive = FALSE, BOOL readOnly = FALSE, LPCTSTR connect = "");
    virtual void Close();
    BOOL IsOpen() const { return m_connection != nullptr; }
    BOOL CanUpdate() const;
    CString GetName() const;

    // Runs one action statement. It changes all of its rows or none, and a failure always
    // raises the error, with dbFailOnError or without it.
    void Execute(LPCTSTR sql, int options = dbFailOnError);

    // The open connection, for the recordsets and table definitions of this database; 3420
    // when the database is not open.
    std::shared_ptr<DaoConnection> Connection() const;

private:
    std::shared_ptr<DaoConnection> m_connection;
};

// Creates a new database file at a Windows path from a schema kept in the project (SQLite SQL,
// UTF-8, with the column types of JetDialect::ColumnDefinition). An existing file is never
// replaced (3204), and a failure leaves no file behind.
void DaoCreateDatabase(LPCTSTR path, const std::string& schema);

// Runs one action statement as Execute does, but on the in-memory copy into which an Access file
// is read rather than on the file, which stays byte for byte as it is: what this process reads of
// the file shows the change until the file changes on disk (a recordset already open, once it is
// requeried). 3027 for a database that is no such copy.
void DaoExecuteOnAccessCopy(CDaoDatabase& database, LPCTSTR sql);
