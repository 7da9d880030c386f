#include "storage/ZnAppTanbunTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppTanbunTblDAO, ZnAppKeyedTblDAO)

ZnAppTanbunTblDAO::ZnAppTanbunTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 1, "SELECT * FROM AppTanbunTbl ", "WHERE Tanbun = ", "ORDER BY Tanbun DESC")
{
}

void ZnAppTanbunTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Text(pFX, "[Tanbun]", m_Tanbun);
}
