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

CString ZnAppBukkenShousaiTblDAO::GetListName() const
{
    // The document-kind table and the floppy import name the building confirmation so, as older
    // rows name it the other way.
    static const char kBuildingConfirmation[] = "確認申請書（建築物）";
    static const char kBuildingConfirmationOld[] = "確認申請（建築物）";
    CString name = m_ShinseiShoruiName;
    if ((name == kBuildingConfirmation || name == kBuildingConfirmationOld) && m_HeiganCode == 1)
        name += " 併願アリ";
    if (m_ShinseiKaisuu > 1) {
        CString count;
        count.Format(" %i回目", static_cast<int>(m_ShinseiKaisuu));
        name += count;
    }
    return name;
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
