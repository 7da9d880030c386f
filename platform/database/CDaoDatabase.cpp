#include "platform/database/CDaoDatabase.h"

#include "platform/database/DaoConnection.h"
#include "platform/database/JetDialect.h"

IMPLEMENT_DYNAMIC(CDaoDatabase, CObject)

CDaoDatabase::CDaoDatabase(CDaoWorkspace*) {}

CDaoDatabase::~CDaoDatabase() = default;

void CDaoDatabase::Open(LPCTSTR name, BOOL, BOOL readOnly, LPCTSTR)
{
    Close();
    m_connection = DaoConnection::OpenFile(name, readOnly != FALSE);
}

void CDaoDatabase::Close() { m_connection.reset(); }

BOOL CDaoDatabase::CanUpdate() const { return m_connection && !m_connection->IsReadOnly(); }

CString CDaoDatabase::GetName() const { return m_connection ? m_connection->Name() : CString(); }

void CDaoDatabase::Execute(LPCTSTR sql, int)
{
    Connection()->Change(JetDialect::Select(sql));
}

std::shared_ptr<DaoConnection> CDaoDatabase::Connection() const
{
    if (!m_connection)
        ThrowDaoError(daoErrObjectInvalid);
    return m_connection;
}

void DaoCreateDatabase(LPCTSTR path, const std::string& schema) { DaoConnection::CreateFile(path, schema); }

void DaoExecuteOnAccessCopy(CDaoDatabase& database, LPCTSTR sql)
{
    database.Connection()->ChangeImportedCopy(JetDialect::Select(sql));
}
