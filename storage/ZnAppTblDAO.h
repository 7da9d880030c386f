// The common part of the recordsets over the application's own tables: each recordset opens a
// database connection of its own on its file while it is open, and knows which of the three
// database files it lives in.
//
// A derived class binds its columns in its DoFieldExchange, each by its bracketed name, texts
// with the preallocated size of 255 and every column with the field cache enabled (the defaults
// of the DFX_ functions).
#pragma once

#include "platform/database/AfxDao.h"

class ZnAppTblDAO : public CDaoRecordset {
    DECLARE_DYNAMIC(ZnAppTblDAO)
public:
    // The database files, each in its folder of the shell: APP_BUKKEN.mdb in the property-data
    // folder, APP_USER_REGIST.mdb in the common-data folder, COM_CHIIKI.mdb in the application
    // folder.
    enum DatabaseFile { appBukkenMdb, appUserRegistMdb, comChiikiMdb };

    // Closes the recordset and releases its connection.
    ~ZnAppTblDAO() override;

    // Opens a connection of its own on GetDefaultDBName (not exclusive, not read-only, no
    // connect string) and then the recordset with the arguments unchanged. An open recordset is
    // closed first. On failure the recordset stays closed, holds no connection and the error is
    // raised to the caller.
    void Open(int openType = AFX_DAO_USE_DEFAULT_TYPE, LPCTSTR sql = nullptr, int options = 0) override;
    // Closes the recordset, then closes and deletes its connection. It may be opened again.
    void Close() override;

    // The database path when one is set, else the file in its folder of the current shell.
    CString GetDefaultDBName() override;

protected:
    ZnAppTblDAO(CDaoDatabase* database, DatabaseFile file, int fieldCount);

    // Names the database file that opening uses instead of the default; an empty path restores
    // the default. The classes over APP_BUKKEN.mdb and APP_USER_REGIST.mdb make it public.
    void SetDBPath(const CString& path) { m_strDBPath = path; }

    // Opens the recordset as a dynaset on its default SQL for the life of the object and closes
    // it at the end, also when a row operation fails.
    class DefaultOpen {
    public:
        explicit DefaultOpen(ZnAppTblDAO& recordset);
        ~DefaultOpen();
        DefaultOpen(const DefaultOpen&) = delete;
        DefaultOpen& operator=(const DefaultOpen&) = delete;

    private:
        ZnAppTblDAO& m_recordset;
    };

    CString m_strDBPath;

private:
    void ReleaseOwnDatabase();

    DatabaseFile m_file;
    CDaoDatabase* m_pOwnDatabase = nullptr;
};
