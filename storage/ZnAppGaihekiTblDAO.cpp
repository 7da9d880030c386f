#include "storage/ZnAppGaihekiTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppGaihekiTblDAO, ZnAppKeyedTblDAO)

ZnAppGaihekiTblDAO::ZnAppGaihekiTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 4, "SELECT * FROM AppGaihekiTbl ",
                       "WHERE KoumokuMei = ", "ORDER BY ShokisentakuFlg DESC, KoumokuMei DESC")
{
}

void ZnAppGaihekiTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[KoumokuMei]", m_KoumokuMei);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
