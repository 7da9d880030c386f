// The common code-table manager. It knows the 41 code tables of COM_CODE.mdb by name, opens the
// database on demand, creates the recordsets over the tables and caches databases and
// recordsets by name; it also knows the registry tables, settings groups of the registry that it
// creates and hands out by table name. It owns everything in its maps until Term and RegTerm.
//
// The manager's recordsets share its database: a recordset that CreateRecordset hands out (and
// that is not cached) belongs to the caller, who deletes it before Term closes the database.
#pragma once

#include "model/VhObject.h"
#include "platform/core/CMapStringToOb.h"
#include "platform/database/AfxDao.h"

class ZnMngComDbAttr;
class ZnMngComRegAttr;
class ZnMngComTblAttr;
class ZnRegistry;
class ZnRsetComCodeTbl;

class ZnMngComTbl : public VhObject {
    DECLARE_DYNAMIC(ZnMngComTbl)
public:
    // The code database's file name, as its attribute is registered.
    static const char* const comCodeMdb;
    static const int kCodeTableCount = 41;

    // The workspace is handed to every database the manager creates (null: the default one).
    explicit ZnMngComTbl(CDaoWorkspace* workspace = nullptr);
    // Closes: frees every recordset, database, settings object and attribute.
    ~ZnMngComTbl() override;
    ZnMngComTbl(const ZnMngComTbl&) = delete;
    ZnMngComTbl& operator=(const ZnMngComTbl&) = delete;

    // Frees what was registered before and registers COM_CODE.mdb in the code-table folder and
    // its 41 code tables; when open is not 0, creates and opens the cached recordset of each.
    virtual void Init(int open);
    // Closes and frees the recordsets and databases, then frees the database and table attributes.
    virtual void Term();
    // Frees what was registered before and registers the registry tables; when create is not 0,
    // creates the settings object of each.
    virtual void RegInit(int create);
    // Frees the settings objects and the registry attributes.
    virtual void RegTerm();
    // Term, then RegTerm.
    virtual void Close();
    // The recordset object for a table over database; null when either is null.
    virtual ZnRsetComCodeTbl* NewRecordset(ZnMngComTblAttr* attr, CDaoDatabase* database);
    // The settings object of a registry table, or null for a table that the manager cannot create.
    virtual ZnRegistry* CreateRegObject(ZnMngComRegAttr* attr);

    // The database object of the table's database file, created (not opened) and cached on first
    // use; null for a table without attribute.
    CDaoDatabase* GetDatabase(LPCTSTR table);
    // The cached recordset of a table, created on first use; sql receives the table's SQL. With
    // open 0 the recordset is returned closed, otherwise open. Null (sql empty) for an empty name
    // or a table without attribute, and null when the database or the recordset cannot be opened
    // (a table missing from the file, for example).
    ZnRsetComCodeTbl* GetRecordset(LPCTSTR table, CString& sql, int open);
    // A new recordset of a table that the caller owns, not cached; opened when open is not 0.
    // attr, when given, is used instead of the table's registered attribute. Null as for
    // GetRecordset; a recordset that cannot be opened is deleted.
    ZnRsetComCodeTbl* CreateRecordset(LPCTSTR table, CString& sql, int open, ZnMngComTblAttr* attr = nullptr);
    // The settings object of a registry table, created on first use; null for an empty name, a
    // table without attribute or one that the manager cannot create.
    ZnRegistry* GetRegObject(LPCTSTR table);

    // The registered attribute of a code table, or null.
    ZnMngComTblAttr* GetTableAttr(LPCTSTR table) const;

    // The folder of COM_CODE.mdb; the owner sets it before Init.
    void SetComTblFolder(const CString& folder) { m_strComTblFolder = folder; }
    const CString& GetComTblFolder() const { return m_strComTblFolder; }

protected:
    // Registers a registry table and, when create is not 0, creates its settings object.
    void AddRegTable(int code, LPCTSTR table, LPCTSTR displayName, LPCTSTR subKey, int create);
    // Puts the attribute's company key and sub key (those that are not empty) into a new object.
    static ZnRegistry* WithAttrKeys(ZnRegistry* object, const ZnMngComRegAttr& attr);

private:
    // Opens the database of a database file unless it is open; false when the file has no
    // attribute or cannot be opened.
    bool OpenDatabase(CDaoDatabase& database, const CString& databaseFile);
    // Opens the recordset with the table's SQL and open arguments; false when it cannot be opened.
    static bool OpenRecordset(ZnRsetComCodeTbl& recordset, const ZnMngComTblAttr& attr);

    CDaoWorkspace* m_pWorkspace;
    CMapStringToOb m_mapDatabases;  // database file name -> CDaoDatabase
    CMapStringToOb m_mapRecordsets; // table name -> ZnRsetComCodeTbl
    CMapStringToOb m_mapRegObjects; // registry table name -> ZnRegistry
    CMapStringToOb m_mapDbAttrs;    // database file name -> ZnMngComDbAttr
    CMapStringToOb m_mapTblAttrs;   // table name -> ZnMngComTblAttr
    CMapStringToOb m_mapRegAttrs;   // registry table name -> ZnMngComRegAttr
    CString m_strComTblFolder;
};
