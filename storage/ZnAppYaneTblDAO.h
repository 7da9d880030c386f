// Registered roof kinds (AppYaneTbl of APP_USER_REGIST.mdb), keyed by KoumokuMei.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppYaneTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppYaneTblDAO)
public:
    explicit ZnAppYaneTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_KoumokuMei;
    CString m_Bikou;
};
