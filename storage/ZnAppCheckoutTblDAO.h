// The properties checked out by users (AppCheckoutTbl of APP_BUKKEN.mdb), newest key first.
#pragma once

#include "storage/ZnAppTblDAO.h"

class ZnAppCheckoutTblDAO : public ZnAppTblDAO {
    DECLARE_DYNAMIC(ZnAppCheckoutTblDAO)
public:
    explicit ZnAppCheckoutTblDAO(CDaoDatabase* database = nullptr);
    using ZnAppTblDAO::SetDBPath;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The bound columns, in exchange order.
    LONG m_BukkenKeyCode = 0;
    CString m_BukkenKeyName;
    LONG m_CheckoutSubsystem = 0;
    LONG m_ShiyoushaID = 0;
    CString m_ShiyoushaCode;
    CString m_ShiyoushaName;
    CString m_ShiyoushaFirstName;
    CString m_ShiyoushaTanmatsu;
    CString m_Bikou;
};
