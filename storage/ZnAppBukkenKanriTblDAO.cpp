#include "storage/ZnAppBukkenKanriTblDAO.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(ZnAppBukkenKanriTblDAO, ZnAppTblDAO)

ZnAppBukkenKanriTblDAO::ZnAppBukkenKanriTblDAO(CDaoDatabase* database) : ZnAppTblDAO(database, appBukkenMdb, 7) {}

CString ZnAppBukkenKanriTblDAO::GetDefaultSQL() { return "[AppBukkenKanriTbl]"; }

void ZnAppBukkenKanriTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[BukkenIndex]", m_BukkenIndex);
    DFX_Text(pFX, "[Bukkenmei]", m_Bukkenmei);
    DFX_DateTime(pFX, "[Koushinbi]", m_Koushinbi);
    DFX_Short(pFX, "[ChikiShiteiCode]", m_ChikiShiteiCode);
    DFX_Short(pFX, "[ShinseiKubun]", m_ShinseiKubun);
    DFX_Text(pFX, "[HozonDirectory]", m_HozonDirectory);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}

CString ZnAppBukkenKanriTblDAO::GetSortedSQL() { return "SELECT * FROM AppBukkenKanriTbl ORDER BY BukkenIndex DESC"; }

LONG ZnAppBukkenKanriTblDAO::AddProperty(const CString& registerPath, const CString& name, const COleDateTime& date,
                                         short chikiShiteiCode, short shinseiKubun, const CString& folder)
{
    ZnAppBukkenKanriTblDAO properties;
    properties.SetDBPath(registerPath);
    properties.Open(dbOpenDynaset, nullptr, 0);
    LONG largest = 0;
    for (; !properties.IsEOF(); properties.MoveNext())
        largest = std::max(largest, properties.m_BukkenIndex);
    properties.AddNew();
    properties.m_BukkenIndex = largest + 1;
    properties.m_Bukkenmei = name;
    properties.m_Koushinbi = date;
    properties.m_ChikiShiteiCode = chikiShiteiCode;
    properties.m_ShinseiKubun = shinseiKubun;
    properties.m_HozonDirectory = folder;
    properties.Update();
    properties.Close();
    return largest + 1;
}
