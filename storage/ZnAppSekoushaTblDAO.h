// Registered constructors (AppSekoushaTbl of APP_USER_REGIST.mdb), keyed by Shimei.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppSekoushaTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppSekoushaTblDAO)
public:
    explicit ZnAppSekoushaTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_Shimei;
    CString m_KensetsugyouKyokaShubetsu;
    CString m_TourokuBangou;
    CString m_Meishou;
    CString m_YuubinBangou1;
    CString m_YuubinBangou2;
    LONG m_TodoufukenmeiBangou = 0;
    CString m_Shozaiti;
    CString m_DenwaBangou1;
    CString m_DenwaBangou2;
    CString m_DenwaBangou3;
    CString m_Bikou;
};
