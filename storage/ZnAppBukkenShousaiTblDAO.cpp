#include "storage/ZnAppBukkenShousaiTblDAO.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(ZnAppBukkenShousaiTblDAO, ZnAppTblDAO)

ZnAppBukkenShousaiTblDAO::ZnAppBukkenShousaiTblDAO(CDaoDatabase* database) : ZnAppTblDAO(database, appBukkenMdb, 12) {}

CString ZnAppBukkenShousaiTblDAO::GetDefaultSQL() { return "[AppBukkenShousaiTbl]"; }

void ZnAppBukkenShousaiTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[BukkenShousaiIndex]", m_BukkenShousaiIndex);
    DFX_Long(pFX, "[BukkenIndex]", m_BukkenIndex);
    DFX_Text(pFX, "[ShinseiShoruiName]", m_ShinseiShoruiName);
    DFX_Long(pFX, "[ShinseiShubetuCode]", m_ShinseiShubetuCode);
    DFX_Long(pFX, "[HeiganCode]", m_HeiganCode);
    DFX_Long(pFX, "[ShinseiKaisuu]", m_ShinseiKaisuu);
    DFX_DateTime(pFX, "[Koushinbi]", m_Koushinbi);
    DFX_Text(pFX, "[UketukeBangou]", m_UketukeBangou);
    DFX_Text(pFX, "[ZadazezBangou]", m_ZadazezBangou);
    DFX_Text(pFX, "[GoukakuBangou]", m_GoukakuBangou);
    DFX_Text(pFX, "[FileName]", m_FileName);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}

CString ZnAppBukkenShousaiTblDAO::GetSQLByBukkenIndex(int bukkenIndex)
{
    CString sql;
    sql.Format("SELECT * FROM AppBukkenShousaiTbl WHERE BukkenIndex = %d ORDER BY BukkenShousaiIndex", bukkenIndex);
    return sql;
}

int ZnAppBukkenShousaiTblDAO::GetMaxShousaiIndex()
{
    if (!IsOpen())
        return -1;
    if (IsBOF())
        return 0;
    MoveFirst();
    int largest = 0;
    for (; !IsEOF(); MoveNext())
        largest = std::max(largest, static_cast<int>(m_BukkenShousaiIndex));
    return largest;
}
