#include "storage/ZnAppShinseishaTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppShinseishaTblDAO, ZnAppKeyedTblDAO)

ZnAppShinseishaTblDAO::ZnAppShinseishaTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 5, "SELECT * FROM AppShinseishaTbl ",
                       "WHERE Shimei = ", "ORDER BY ShokisentakuFlg DESC, Shimei DESC")
{
}

void ZnAppShinseishaTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[Furigana]", m_Furigana);
    DFX_Text(pFX, "[Shimei]", m_Shimei);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
