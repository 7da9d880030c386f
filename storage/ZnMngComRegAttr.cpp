#include "storage/ZnMngComRegAttr.h"

IMPLEMENT_DYNAMIC(ZnMngComRegAttr, VhObject)

ZnMngComRegAttr::ZnMngComRegAttr(int code, LPCTSTR codeText, LPCTSTR table, LPCTSTR displayName, LPCTSTR subKey,
                                 LPCTSTR companyKey)
    : m_nCode(code), m_strCode(codeText), m_strTable(table), m_strDisplayName(displayName), m_strSubKey(subKey),
      m_strCompanyKey(companyKey)
{
}
