// Registered place names and lot numbers (AppChimeiChibanTbl of APP_USER_REGIST.mdb), keyed by Juusho.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppChimeiChibanTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppChimeiChibanTblDAO)
public:
    explicit ZnAppChimeiChibanTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_YuubinBangou1;
    CString m_YuubinBangou2;
    LONG m_TodoufukenmeiBangou = 0;
    CString m_Juusho;
    CString m_ChimeiChibanCode;
    CString m_Bikou;
};
