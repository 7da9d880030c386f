#include "storage/ZnAppTblDAO.h"

#include "platform/database/JetDeclaredKeys.h"
#include "storage/AppDatabaseSchemas.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnShellState.h"

IMPLEMENT_DYNAMIC(ZnAppTblDAO, CDaoRecordset)

namespace {

// Where each database file lives: the shell's folder and the file name, by DatabaseFile.
struct FileLocation {
    CString (ZnShellState::*folder)() const;
    CString (ZnAppMDB::*name)() const;
};

const FileLocation fileLocations[] = {
    {&ZnShellState::GetObjFolder, &ZnAppMDB::GetAppBukkenMdb},
    {&ZnShellState::GetComFolder, &ZnAppMDB::GetAppUserRegistMdb},
    {&ZnShellState::GetAppFolder, &ZnAppMDB::GetComChiikiMdb},
};

// Tables imported from an Access file get the keys that the program's own schemas declare for
// them, so that a lookup by key does not read the whole table; once per process.
void DeclareSchemaKeys()
{
    static const bool declared = [] {
        for (const char* schema : {appBukkenSchema, appUserRegistSchema, comChiikiSchema, comCodeSchema})
            JetDeclaredKeys::Declare(schema);
        return true;
    }();
    (void)declared;
}

} // namespace

ZnAppTblDAO::ZnAppTblDAO(CDaoDatabase* database, DatabaseFile file, int fieldCount)
    : CDaoRecordset(database), m_file(file)
{
    m_nFields = fieldCount;
    m_nDefaultType = dbOpenDynaset;
}

ZnAppTblDAO::~ZnAppTblDAO() { ZnAppTblDAO::Close(); }

void ZnAppTblDAO::Open(int openType, LPCTSTR sql, int options)
{
    Close();
    DeclareSchemaKeys();
    m_pOwnDatabase = new CDaoDatabase;
    m_pDatabase = m_pOwnDatabase;
    try {
        m_pOwnDatabase->Open(GetDefaultDBName(), FALSE, FALSE, "");
        CDaoRecordset::Open(openType, sql, options);
    } catch (...) {
        ReleaseOwnDatabase();
        throw;
    }
}

void ZnAppTblDAO::Close()
{
    CDaoRecordset::Close();
    ReleaseOwnDatabase();
}

void ZnAppTblDAO::ReleaseOwnDatabase()
{
    if (!m_pOwnDatabase)
        return;
    if (m_pDatabase == m_pOwnDatabase)
        m_pDatabase = nullptr;
    m_pOwnDatabase->Close();
    delete m_pOwnDatabase;
    m_pOwnDatabase = nullptr;
}

CString ZnAppTblDAO::GetDefaultDBName()
{
    if (!m_strDBPath.IsEmpty())
        return m_strDBPath;
    const FileLocation& location = fileLocations[m_file];
    ZnShellState* shell = ZnShellState::Current();
    ZnAppMDB names;
    const ZnAppMDB& mdb = shell ? *shell->GetAppMDB() : names;
    // Without a shell there is no folder: the bare file name then fails to open as a missing file.
    return (shell ? (shell->*location.folder)() : CString()) + (mdb.*location.name)();
}

ZnAppTblDAO::DefaultOpen::DefaultOpen(ZnAppTblDAO& recordset) : m_recordset(recordset)
{
    CString sql = recordset.GetDefaultSQL();
    recordset.Open(dbOpenDynaset, sql, 0);
}

ZnAppTblDAO::DefaultOpen::~DefaultOpen() { m_recordset.Close(); }
