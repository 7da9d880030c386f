// The regions, one row each (the query AppChiikiShiteiQ2Tbl of COM_CHIIKI.mdb).
#pragma once

#include "storage/ZnAppTblDAO.h"

class ZnAppChiikiShiteiQ2TblDAO : public ZnAppTblDAO {
    DECLARE_DYNAMIC(ZnAppChiikiShiteiQ2TblDAO)
public:
    explicit ZnAppChiikiShiteiQ2TblDAO(CDaoDatabase* database = nullptr);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    BOOL m_ShokiSentakuFlg = FALSE;
    CString m_ChiikiMei;
    LONG m_ChiikiBangou = 0;
};
