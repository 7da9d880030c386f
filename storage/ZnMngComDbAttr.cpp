#include "storage/ZnMngComDbAttr.h"

#include "platform/files/WinPath.h"

IMPLEMENT_DYNAMIC(ZnMngComDbAttr, VhObject)

ZnMngComDbAttr::ZnMngComDbAttr(LPCTSTR fileName, LPCTSTR folder, int exclusive, int readOnly, LPCTSTR password)
    : m_strPassword(password), m_strFileName(fileName), m_strFolder(folder), m_nExclusive(exclusive),
      m_nReadOnly(readOnly)
{
    // The last character, not the last byte: the trail byte of 表 or ソ is 0x5C too.
    if (!m_strFolder.IsEmpty() && !EndsWithBackslash(m_strFolder))
        m_strFolder += "\\";
}

CString ZnMngComDbAttr::GetConnect() const { return m_strPassword.IsEmpty() ? CString() : ";pwd=" + m_strPassword; }
