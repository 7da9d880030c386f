// Registered designers (AppSekkeishaTbl of APP_USER_REGIST.mdb), keyed by Shimei. The table spells
// two of its columns JImushoTourokuBangou and Shozaoti.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppSekkeishaTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppSekkeishaTblDAO)
public:
    explicit ZnAppSekkeishaTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_KenchikushiShikaku;
    CString m_SekkeishaTourokuShubetsu;
    CString m_KenchikushiTourokuBangou;
    CString m_Shimei;
    CString m_JimushoShikaku;
    CString m_JimushoTourokuShubetsu;
    CString m_JImushoTourokuBangou;
    CString m_Meishou;
    CString m_YuubinBangou1;
    CString m_YuubinBangou2;
    LONG m_TodoufukenmeiBangou = 0;
    CString m_Shozaoti;
    CString m_DenwaBangou1;
    CString m_DenwaBangou2;
    CString m_DenwaBangou3;
    CString m_Bikou;
};
