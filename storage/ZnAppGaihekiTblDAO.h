// Registered outer-wall kinds (AppGaihekiTbl of APP_USER_REGIST.mdb), keyed by KoumokuMei.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppGaihekiTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppGaihekiTblDAO)
public:
    explicit ZnAppGaihekiTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_KoumokuMei;
    CString m_Bikou;
};
