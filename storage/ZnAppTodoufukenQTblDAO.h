// The prefectures (the query AppTodoufukenQTbl of COM_CHIIKI.mdb).
#pragma once

#include "platform/core/ChoiceList.h"
#include "storage/ZnAppTblDAO.h"

class ZnAppTodoufukenQTblDAO : public ZnAppTblDAO {
    DECLARE_DYNAMIC(ZnAppTodoufukenQTblDAO)
public:
    explicit ZnAppTodoufukenQTblDAO(CDaoDatabase* database = nullptr);

    CString GetDefaultSQL() override;
    void DoFieldExchange(CDaoFieldExchange* pFX) override;

    // Fills a prefecture combo box: an empty first item, then every prefecture name in the
    // query's order, each item carrying its prefecture number. Opens the recordset and closes it
    // again; a null combo box is left alone.
    void FillCombo(ChoiceList* combo);

    // The bound columns, in exchange order.
    CString m_Todoufuken;
    LONG m_TodoufukenBangou = 0;
    BOOL m_ShokiSentakuFlg = FALSE;
    LONG m_ChiikiBangou = 0;
    LONG m_ChiikiRenban = 0;
};
