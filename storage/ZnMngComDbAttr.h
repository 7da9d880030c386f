// What the code-table manager knows of one database file: where it is and how it is opened.
#pragma once

#include "model/VhObject.h"

class ZnMngComDbAttr : public VhObject {
    DECLARE_DYNAMIC(ZnMngComDbAttr)
public:
    // A folder that is not empty gets a "\" appended unless its last character is one; a null
    // password is empty.
    ZnMngComDbAttr(LPCTSTR fileName, LPCTSTR folder, int exclusive, int readOnly, LPCTSTR password);

    // The folder followed by the file name.
    CString GetPath() const { return m_strFolder + m_strFileName; }
    // The connect string: empty without a password, else ";pwd=" and the password.
    CString GetConnect() const;

    CString m_strPassword;
    CString m_strFileName;
    CString m_strFolder;
    int m_nExclusive;
    int m_nReadOnly;
};
