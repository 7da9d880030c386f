// What the code-table manager knows of one registry table: a settings group of the registry that
// it creates and hands out by table name, with the keys it lies under.
#pragma once

#include "model/VhObject.h"

class ZnMngComRegAttr : public VhObject {
    DECLARE_DYNAMIC(ZnMngComRegAttr)
public:
    ZnMngComRegAttr(int code, LPCTSTR codeText, LPCTSTR table, LPCTSTR displayName, LPCTSTR subKey, LPCTSTR companyKey);

    int m_nCode;
    CString m_strCode;
    CString m_strTable;
    CString m_strDisplayName;
    CString m_strSubKey;
    CString m_strCompanyKey;
};
