// Registered equipment designers (AppSetsubishaTbl of APP_USER_REGIST.mdb), keyed by Shimei. Older
// files lack TourokuBangou until PatchUserRegistMdb adds it; a reader of a file that the patch
// cannot change (an Access file) leaves that column unbound.
#pragma once

#include "storage/ZnAppKeyedTblDAO.h"

class ZnAppSetsubishaTblDAO : public ZnAppKeyedTblDAO {
    DECLARE_DYNAMIC(ZnAppSetsubishaTblDAO)
public:
    explicit ZnAppSetsubishaTblDAO(CDaoDatabase* database = nullptr);

    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Whether TourokuBangou is bound (so by default). Unbound, a table without the column opens
    // and m_TourokuBangou stays empty. Takes effect at the next Open.
    void BindTourokuBangou(BOOL bind);

    // The bound columns, in exchange order.
    LONG m_Hyoujijun = 0;
    BOOL m_ShokisentakuFlg = FALSE;
    CString m_Shimei;
    CString m_TourokuBangou;
    CString m_Kinmusaki;
    CString m_YuubinBangou1;
    CString m_YuubinBangou2;
    LONG m_TodoufukenmeiBangou = 0;
    CString m_Shozaiti;
    CString m_DenwaBangou1;
    CString m_DenwaBangou2;
    CString m_DenwaBangou3;
    CString m_Bikou;

private:
    BOOL m_bBindTourokuBangou = TRUE;
};
