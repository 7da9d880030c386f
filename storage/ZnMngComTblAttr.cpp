#include "storage/ZnMngComTblAttr.h"

IMPLEMENT_DYNAMIC(ZnMngComTblAttr, VhObject)

ZnMngComTblAttr::ZnMngComTblAttr(int code, LPCTSTR codeText, LPCTSTR table, LPCTSTR displayName, LPCTSTR database,
                                 LPCTSTR sql, int openType, int options)
    : m_nCode(code), m_strCode(codeText), m_strTable(table), m_strDisplayName(displayName), m_strDatabase(database),
      m_strSQL(sql ? CString(sql) : "[" + CString(table) + "]"), m_nOpenType(openType), m_nOptions(options)
{
}
