// Registered applicants (AppShinseishaTbl of APP_USER_REGIST.mdb), keyed by Shimei.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppShinseishaTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppShinseishaTblDAO)
public:
    explicit ZnAppShinseishaTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_Furigana;
    CString m_Shimei;
    CString m_Bikou;
};
