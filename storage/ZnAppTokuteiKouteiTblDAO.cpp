#include "storage/ZnAppTokuteiKouteiTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppTokuteiKouteiTblDAO, ZnAppKeyedTblDAO)

ZnAppTokuteiKouteiTblDAO::ZnAppTokuteiKouteiTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 4, "SELECT * FROM AppTokuteiKouteiTbl ",
                       "WHERE KoumokuMei = ", "ORDER BY ShokisentakuFlg DESC, KoumokuMei DESC")
{
}

void ZnAppTokuteiKouteiTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[KoumokuMei]", m_KoumokuMei);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
