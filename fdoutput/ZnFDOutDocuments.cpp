#include "fdoutput/ZnFDOutDocuments.h"

#include "platform/database/AfxDao.h"
#include "shell/ZnDateText.h"
#include "storage/ZnAppBukkenShousaiTblDAO.h"
#include "storage/ZnAppMDB.h"
#include "storage/ZnShellState.h"

#include <algorithm>

CString ZnFDOutDocuments::RegisterPath()
{
    ZnShellState* shell = ZnShellState::Current();
    return shell->GetObjFolder() + shell->GetAppMDB()->GetAppBukkenMdb();
}

CString ZnFDOutDocuments::SelectSql(int bukkenIndex, int docKindCode)
{
    CString sql;
    sql.Format("SELECT * FROM AppBukkenShousaiTbl WHERE BukkenIndex = %d AND ShinseiShubetuCode = %6d ORDER BY "
               "BukkenShousaiIndex DESC",
               bukkenIndex, docKindCode);
    return sql;
}

std::vector<ZnFDOutDocument> ZnFDOutDocuments::List(const CString& registerPath, int bukkenIndex, int docKindCode)
{
    std::vector<ZnFDOutDocument> documents;
    ZnAppBukkenShousaiTblDAO rows;
    rows.SetDBPath(registerPath);
    rows.Open(dbOpenDynaset, SelectSql(bukkenIndex, docKindCode), 0);
    for (; !rows.IsEOF(); rows.MoveNext())
        documents.push_back({rows.m_ShinseiShoruiName, ZnDateText(rows.m_Koushinbi), rows.m_UketukeBangou,
                             rows.GetIssuedNumber(), rows.m_FileName});
    rows.Close();
    // The rows came highest first.
    std::reverse(documents.begin(), documents.end());
    return documents;
}

CString ZnFDOutDocuments::NewestReception(const CString& registerPath, int bukkenIndex, int docKindCode)
{
    ZnAppBukkenShousaiTblDAO rows;
    rows.SetDBPath(registerPath);
    rows.Open(dbOpenDynaset, SelectSql(bukkenIndex, docKindCode), 0);
    CString reception = rows.IsEOF() ? CString() : rows.m_UketukeBangou;
    rows.Close();
    return reception;
}
