#include "storage/ZnAppSekkeishaTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppSekkeishaTblDAO, ZnAppKeyedTblDAO)

ZnAppSekkeishaTblDAO::ZnAppSekkeishaTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 18, "SELECT * FROM AppSekkeishaTbl ",
                       "WHERE Shimei = ", "ORDER BY ShokisentakuFlg DESC, Shimei DESC")
{
}

void ZnAppSekkeishaTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[KenchikushiShikaku]", m_KenchikushiShikaku);
    DFX_Text(pFX, "[SekkeishaTourokuShubetsu]", m_SekkeishaTourokuShubetsu);
    DFX_Text(pFX, "[KenchikushiTourokuBangou]", m_KenchikushiTourokuBangou);
    DFX_Text(pFX, "[Shimei]", m_Shimei);
    DFX_Text(pFX, "[JimushoShikaku]", m_JimushoShikaku);
    DFX_Text(pFX, "[JimushoTourokuShubetsu]", m_JimushoTourokuShubetsu);
    DFX_Text(pFX, "[JImushoTourokuBangou]", m_JImushoTourokuBangou);
    DFX_Text(pFX, "[Meishou]", m_Meishou);
    DFX_Text(pFX, "[YuubinBangou1]", m_YuubinBangou1);
    DFX_Text(pFX, "[YuubinBangou2]", m_YuubinBangou2);
    DFX_Long(pFX, "[TodoufukenmeiBangou]", m_TodoufukenmeiBangou);
    DFX_Text(pFX, "[Shozaoti]", m_Shozaoti);
    DFX_Text(pFX, "[DenwaBangou1]", m_DenwaBangou1);
    DFX_Text(pFX, "[DenwaBangou2]", m_DenwaBangou2);
    DFX_Text(pFX, "[DenwaBangou3]", m_DenwaBangou3);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
