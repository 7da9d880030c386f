#include "storage/ZnAppYaneTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppYaneTblDAO, ZnAppKeyedTblDAO)

ZnAppYaneTblDAO::ZnAppYaneTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 4, "SELECT * FROM AppYaneTbl ",
                       "WHERE KoumokuMei = ", "ORDER BY ShokisentakuFlg DESC, KoumokuMei DESC")
{
}

void ZnAppYaneTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[KoumokuMei]", m_KoumokuMei);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
