// What the code-table manager knows of one code table: its number (as a number and as text),
// its name and display name, the database file it lives in, and the SQL, open type and options
// that its recordset is opened with.
#pragma once

#include "model/VhObject.h"

class ZnMngComTblAttr : public VhObject {
    DECLARE_DYNAMIC(ZnMngComTblAttr)
public:
    // A null sql becomes "[" + table + "]".
    ZnMngComTblAttr(int code, LPCTSTR codeText, LPCTSTR table, LPCTSTR displayName, LPCTSTR database, LPCTSTR sql,
                    int openType, int options);

    int m_nCode;
    CString m_strCode;
    CString m_strTable;
    CString m_strDisplayName;
    CString m_strDatabase;
    CString m_strSQL;
    int m_nOpenType;
    int m_nOptions;
};
