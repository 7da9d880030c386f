#include "storage/ZnAppKeyedTblDAO.h"

#include "storage/DoubleQuoteChars.h"

IMPLEMENT_DYNAMIC(ZnAppKeyedTblDAO, ZnAppTblDAO)

ZnAppKeyedTblDAO::ZnAppKeyedTblDAO(CDaoDatabase* database, int fieldCount, LPCTSTR selectText, LPCTSTR whereText,
                                   LPCTSTR orderText)
    : ZnAppTblDAO(database, appUserRegistMdb, fieldCount), m_selectText(selectText), m_whereText(whereText),
      m_orderText(orderText)
{
}

void ZnAppKeyedTblDAO::SetKeyFilter(const CString& key)
{
    m_strKey = key;
    DoubleQuoteChars(&m_strKey, "'");
}

CString ZnAppKeyedTblDAO::GetDefaultSQL()
{
    if (m_strKey.IsEmpty())
        return CString(m_selectText) + m_orderText;
    return CString(m_selectText) + m_whereText + "'" + m_strKey + "'";
}
