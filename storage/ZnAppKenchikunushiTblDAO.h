// Registered owners (AppKenchikunushiTbl of APP_USER_REGIST.mdb), keyed by Shimei. The table spells
// its display-order column Houjijun.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppKenchikunushiTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppKenchikunushiTblDAO)
public:
    explicit ZnAppKenchikunushiTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_Houjijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_Furigana;
    CString m_Shimei;
    CString m_YuubinBangou1;
    CString m_YuubinBangou2;
    LONG m_TodoufukenmeiBangou = 0;
    CString m_Juusho;
    CString m_DenwaBangou1;
    CString m_DenwaBangou2;
    CString m_DenwaBangou3;
    CString m_Bikou;
};
