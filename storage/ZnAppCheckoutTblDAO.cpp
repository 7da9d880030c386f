#include "storage/ZnAppCheckoutTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppCheckoutTblDAO, ZnAppTblDAO)

ZnAppCheckoutTblDAO::ZnAppCheckoutTblDAO(CDaoDatabase* database) : ZnAppTblDAO(database, appBukkenMdb, 9) {}

CString ZnAppCheckoutTblDAO::GetDefaultSQL() { return "SELECT * FROM AppCheckoutTbl ORDER BY BukkenKeyCode DESC"; }

void ZnAppCheckoutTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[BukkenKeyCode]", m_BukkenKeyCode);
    DFX_Text(pFX, "[BukkenKeyName]", m_BukkenKeyName);
    DFX_Long(pFX, "[CheckoutSubsystem]", m_CheckoutSubsystem);
    DFX_Long(pFX, "[ShiyoushaID]", m_ShiyoushaID);
    DFX_Text(pFX, "[ShiyoushaCode]", m_ShiyoushaCode);
    DFX_Text(pFX, "[ShiyoushaName]", m_ShiyoushaName);
    DFX_Text(pFX, "[ShiyoushaFirstName]", m_ShiyoushaFirstName);
    DFX_Text(pFX, "[ShiyoushaTanmatsu]", m_ShiyoushaTanmatsu);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
