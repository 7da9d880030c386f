// The recordset over any code table of COM_CODE.mdb. Every code table has the same fourteen
// columns; the recordset is always opened with an explicit SQL on the code-table manager's
// database, so it has neither a default database nor a default SQL.
//
// The sort and filter helpers only edit m_strSort and m_strFilter; they take effect at the next
// Requery.
#pragma once

#include "platform/database/AfxDao.h"

class ZnRsetComCodeTbl : public CDaoRecordset {
    DECLARE_DYNAMIC(ZnRsetComCodeTbl)
public:
    // The display flags, by the index that AddHyoujiFlgFilter takes.
    enum HyoujiFlg { hyoujiFlgApp = 0, hyoujiFlgRecept, hyoujiFlgRegist, hyoujiFlgDbMng, hyoujiFlgDbView };

    explicit ZnRsetComCodeTbl(CDaoDatabase* database);

    CString GetDefaultDBName() override { return CString(); }
    CString GetDefaultSQL() override { return CString(); }
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Appends "Hyoujijun ASC" (ascending 1) or "Hyoujijun DESC" (any other value) to the sort,
    // after ", " when the sort is not empty.
    void AddHyoujijunSort(int ascending);
    // Appends "<flag column> = True" to the filter, after " AND " (andMode 1) or " OR " (any other
    // value) when the filter is not empty. A flag index outside HyoujiFlg changes nothing.
    void AddHyoujiFlgFilter(int flagIndex, int andMode);
    void ClearSort() { m_strSort.Empty(); }
    void ClearFilter() { m_strFilter.Empty(); }

    // The bound columns, in exchange order.
    CString m_TblCode;
    LONG m_Bangou = 0;
    CString m_Code;
    short m_Hyoujijun = 0;
    BOOL m_ShokiSentakuFlg = FALSE;
    BOOL m_HyoujiFlgApp = FALSE;
    BOOL m_HyoujiFlgRecept = FALSE;
    BOOL m_HyoujiFlgRegist = FALSE;
    BOOL m_HyoujiFlgDbMng = FALSE;
    BOOL m_HyoujiFlgDbView = FALSE;
    CString m_SeishikiMeishou;
    CString m_TanshukuMeishou;
    CString m_DaichouTourokuMeishou;
    CString m_Bikou;
};
