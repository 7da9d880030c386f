#include "storage/ZnAppChimeiChibanTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppChimeiChibanTblDAO, ZnAppKeyedTblDAO)

ZnAppChimeiChibanTblDAO::ZnAppChimeiChibanTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 8, "SELECT * FROM AppChimeiChibanTbl ",
                       "WHERE Juusho = ", "ORDER BY ShokisentakuFlg DESC, Juusho DESC")
{
}

void ZnAppChimeiChibanTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[YuubinBangou1]", m_YuubinBangou1);
    DFX_Text(pFX, "[YuubinBangou2]", m_YuubinBangou2);
    DFX_Long(pFX, "[TodoufukenmeiBangou]", m_TodoufukenmeiBangou);
    DFX_Text(pFX, "[Juusho]", m_Juusho);
    DFX_Text(pFX, "[ChimeiChibanCode]", m_ChimeiChibanCode);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
