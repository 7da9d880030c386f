// Registered stock phrases (AppTanbunTbl of APP_USER_REGIST.mdb), keyed by the phrase itself.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppTanbunTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppTanbunTblDAO)
public:
    explicit ZnAppTanbunTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    CString m_Tanbun;
};
