// The property register: one row per property (AppBukkenKanriTbl of APP_BUKKEN.mdb).
#pragma once

#include "storage/ZnAppTblDAO.h"

class ZnAppBukkenKanriTblDAO : public ZnAppTblDAO {
    DECLARE_DYNAMIC(ZnAppBukkenKanriTblDAO)
public:
    explicit ZnAppBukkenKanriTblDAO(CDaoDatabase* database = nullptr);
    using ZnAppTblDAO::SetDBPath;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Every property, newest (largest index) first.
    static CString GetSortedSQL();

    // Adds the row of a new property to the register at registerPath, with the largest
    // BukkenIndex there plus one (1 for an empty register) and an empty remark, and returns that
    // index. A register that cannot be opened or written raises its CDaoException, with no row added.
    static LONG AddProperty(const CString& registerPath, const CString& name, const COleDateTime& date,
                            short chikiShiteiCode, short shinseiKubun, const CString& folder);

    // The bound columns, in exchange order.
    LONG m_BukkenIndex = 0;
    CString m_Bukkenmei;
    COleDateTime m_Koushinbi;
    short m_ChikiShiteiCode = 0;
    short m_ShinseiKubun = 0;
    CString m_HozonDirectory;
    CString m_Bikou;
};
