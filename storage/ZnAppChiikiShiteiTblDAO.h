// The regions with their prefectures (AppChiikiShiteiTbl of COM_CHIIKI.mdb).
#pragma once

#include "storage/ZnAppTblDAO.h"

class ZnAppChiikiShiteiTblDAO : public ZnAppTblDAO {
    DECLARE_DYNAMIC(ZnAppChiikiShiteiTblDAO)
public:
    explicit ZnAppChiikiShiteiTblDAO(CDaoDatabase* database = nullptr);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // The prefecture name of the first row (default order) with that prefecture number, or an
    // empty text. Opens the recordset and closes it again.
    CString GetTodoufuken(int todoufukenBangou);
    // The prefecture number of the first row whose prefecture name equals name byte for byte, or
    // -1. Opens the recordset and closes it again.
    int GetTodoufukenBangou(const CString& name);

    // The bound columns, in exchange order.
    LONG m_ChiikiBangou = 0;
    LONG m_ChiikiRenban = 0;
    CString m_ChiikiMei;
    LONG m_TodoufukenBangou = 0;
    CString m_Todoufuken;
    BOOL m_ShokiSentakuFlg = FALSE;
    CString m_Bikou;
};
