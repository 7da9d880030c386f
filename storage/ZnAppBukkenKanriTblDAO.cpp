#include "storage/ZnAppBukkenKanriTblDAO.h"

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
