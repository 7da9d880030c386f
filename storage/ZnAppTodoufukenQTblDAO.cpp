#include "storage/ZnAppTodoufukenQTblDAO.h"

#include "platform/core/ChoiceList.h"

IMPLEMENT_DYNAMIC(ZnAppTodoufukenQTblDAO, ZnAppTblDAO)

ZnAppTodoufukenQTblDAO::ZnAppTodoufukenQTblDAO(CDaoDatabase* database) : ZnAppTblDAO(database, comChiikiMdb, 5) {}

CString ZnAppTodoufukenQTblDAO::GetDefaultSQL() { return "[AppTodoufukenQTbl]"; }

void ZnAppTodoufukenQTblDAO::DoFieldExchange(CDaoFieldExchange* pFX)
{
    pFX->SetFieldType(CDaoFieldExchange::outputColumn);
    DFX_Text(pFX, "[Todoufuken]", m_Todoufuken);
    DFX_Long(pFX, "[TodoufukenBangou]", m_TodoufukenBangou);
    DFX_Bool(pFX, "[ShokiSentakuFlg]", m_ShokiSentakuFlg);
    DFX_Long(pFX, "[ChiikiBangou]", m_ChiikiBangou);
    DFX_Long(pFX, "[ChiikiRenban]", m_ChiikiRenban);
}

void ZnAppTodoufukenQTblDAO::FillCombo(ChoiceList* combo)
{
    if (!combo)
        return;
    DefaultOpen open(*this);
    combo->ResetContent();
    combo->InsertString(-1, "");
    for (; !IsEOF(); MoveNext()) {
        int item = combo->InsertString(-1, m_Todoufuken);
        combo->SetItemData(item, static_cast<DWORD_PTR>(m_TodoufukenBangou));
    }
}
