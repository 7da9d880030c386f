#include "storage/ZnAppKenchikunushiTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppKenchikunushiTblDAO, ZnAppKeyedTblDAO)

ZnAppKenchikunushiTblDAO::ZnAppKenchikunushiTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 12, "SELECT * FROM AppKenchikunushiTbl ",
                       "WHERE Shimei = ", "ORDER BY ShokisentakuFlg DESC, Shimei DESC")
{
}

void ZnAppKenchikunushiTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Houjijun]", m_Houjijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[Furigana]", m_Furigana);
    DFX_Text(pFX, "[Shimei]", m_Shimei);
    DFX_Text(pFX, "[YuubinBangou1]", m_YuubinBangou1);
    DFX_Text(pFX, "[YuubinBangou2]", m_YuubinBangou2);
    DFX_Long(pFX, "[TodoufukenmeiBangou]", m_TodoufukenmeiBangou);
    DFX_Text(pFX, "[Juusho]", m_Juusho);
    DFX_Text(pFX, "[DenwaBangou1]", m_DenwaBangou1);
    DFX_Text(pFX, "[DenwaBangou2]", m_DenwaBangou2);
    DFX_Text(pFX, "[DenwaBangou3]", m_DenwaBangou3);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
