// The documents of the properties: one row per document (AppBukkenShousaiTbl of APP_BUKKEN.mdb).
#pragma once

#include "storage/ZnAppTblDAO.h"

class ZnAppBukkenShousaiTblDAO : public ZnAppTblDAO {
    DECLARE_DYNAMIC(ZnAppBukkenShousaiTblDAO)
public:
    explicit ZnAppBukkenShousaiTblDAO(CDaoDatabase* database = nullptr);
    using ZnAppTblDAO::SetDBPath;

    CString GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The documents of one property in their number order.
    static CString GetSQLByBukkenIndex(int bukkenIndex);
    // The largest BukkenShousaiIndex of the open recordset, at least 0; -1 when it is not open.
    // Walks every row from the first and leaves the recordset at its end.
    int GetMaxShousaiIndex();

    // The row's name as the document lists show it: " 併願アリ" after a building confirmation
    // (either spelling) with a concurrent application, " n回目" from the second application on.
    CString GetListName() const;
    // The confirmation number, else the pass number.
    CString GetIssuedNumber() const { return m_ZadazezBangou.IsEmpty() ? m_GoukakuBangou : m_ZadazezBangou; }

    // The bound columns, in exchange order.
    LONG m_BukkenShousaiIndex = 0;
    LONG m_BukkenIndex = 0;
    CString m_ShinseiShoruiName;
    LONG m_ShinseiShubetuCode = 0;
    LONG m_HeiganCode = 0;
    LONG m_ShinseiKaisuu = 0;
    COleDateTime m_Koushinbi;
    CString m_UketukeBangou;
    CString m_ZadazezBangou;
    CString m_GoukakuBangou;
    CString m_FileName;
    CString m_Bikou;
};
