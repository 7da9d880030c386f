// A table's definition: whether it has a column, what the column is, and adding a column.
#pragma once

#include "platform/core/CObject.h"
#include "platform/core/CString.h"
#include "platform/database/CDaoException.h"
#include "platform/database/DaoConstants.h"

#include <memory>
#include <string>

class CDaoDatabase;
class DaoConnection;

struct CDaoFieldInfo {
    // primary information
    CString m_strName;
    short m_nType = 0;
    LONG m_lSize = 0;
    LONG m_lAttributes = 0;
    // secondary information
    short m_nOrdinalPosition = 0;
    BOOL m_bRequired = FALSE;
    BOOL m_bAllowZeroLength = FALSE;
    LONG m_lCollatingOrder = 0;
    CString m_strForeignName;
    CString m_strSourceField;
    CString m_strSourceTable;
    // all information
    CString m_strValidationRule;
    CString m_strValidationText;
    CString m_strDefaultValue;
};

class CDaoTableDef : public CObject {
public:
    DECLARE_DYNAMIC(CDaoTableDef)
    explicit CDaoTableDef(CDaoDatabase* database);
    ~CDaoTableDef() override;

    // Opens the definition of a table of the open database; 3265 when there is none.
    virtual void Open(LPCTSTR name);
    virtual void Close();
    BOOL IsOpen() const { return m_connection != nullptr; }
    CString GetName() const;

    // Describes the column of that name (case ignored); 3265 when the table has none. Text
    // columns allow zero-length values.
    void GetFieldInfo(LPCTSTR name, CDaoFieldInfo& info, DWORD infoOptions = AFX_DAO_PRIMARY_INFO);

    // Adds a column of the described name, type, size, requirement and default value; 3191
    // when the table has one of that name, 3259 for a type that cannot be stored.
    void CreateField(CDaoFieldInfo& info);

    CDaoDatabase* m_pDatabase;

private:
    std::shared_ptr<DaoConnection> OpenConnection() const;

    std::shared_ptr<DaoConnection> m_connection;
    std::string m_table; // UTF-8, as the database spells it
};
