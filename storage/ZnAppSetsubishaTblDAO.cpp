#include "storage/ZnAppSetsubishaTblDAO.h"

IMPLEMENT_DYNAMIC(ZnAppSetsubishaTblDAO, ZnAppKeyedTblDAO)

ZnAppSetsubishaTblDAO::ZnAppSetsubishaTblDAO(CDaoDatabase* database)
    : ZnAppKeyedTblDAO(database, 13, "SELECT * FROM AppSetsubishaTbl ",
                       "WHERE Shimei = ", "ORDER BY ShokisentakuFlg DESC, Shimei DESC")
{
}

void ZnAppSetsubishaTblDAO::BindTourokuBangou(BOOL bind)
{
    m_bBindTourokuBangou = bind;
    m_nFields = bind ? 13 : 12;
}

void ZnAppSetsubishaTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Long(pFX, "[Hyoujijun]", m_Hyoujijun);
    DFX_Bool(pFX, "[ShokisentakuFlg]", m_ShokisentakuFlg);
    DFX_Text(pFX, "[Shimei]", m_Shimei);
    if (m_bBindTourokuBangou)
        DFX_Text(pFX, "[TourokuBangou]", m_TourokuBangou);
    DFX_Text(pFX, "[Kinmusaki]", m_Kinmusaki);
    DFX_Text(pFX, "[YuubinBangou1]", m_YuubinBangou1);
    DFX_Text(pFX, "[YuubinBangou2]", m_YuubinBangou2);
    DFX_Long(pFX, "[TodoufukenmeiBangou]", m_TodoufukenmeiBangou);
    DFX_Text(pFX, "[Shozaiti]", m_Shozaiti);
    DFX_Text(pFX, "[DenwaBangou1]", m_DenwaBangou1);
    DFX_Text(pFX, "[DenwaBangou2]", m_DenwaBangou2);
    DFX_Text(pFX, "[DenwaBangou3]", m_DenwaBangou3);
    DFX_Text(pFX, "[Bikou]", m_Bikou);
}
